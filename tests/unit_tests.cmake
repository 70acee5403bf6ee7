# The engine's unit tests, one list for both builds of them: natively (tests/CMakeLists.txt) and
# with MinGW for Wine (tests/unit_wine). Paths are relative to this folder.
set(kalmira_unit_test_sources
  request_test.cpp
  codepage_test.cpp
  compose_test.cpp
  egyptian_test.cpp
  european_test.cpp
  chinese_test.cpp
  indian_test.cpp
  cyclic_test.cpp
  european_short_test.cpp
  paragraphs_test.cpp
)
