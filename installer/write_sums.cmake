# Writes the SHA-256 sums of the files named after the script, by their names, into SUMS, in the
# form `sha256sum -c` reads in the folder the release files are in.
# Usage: cmake -DSUMS=SUMS_FILE -P write_sums.cmake FILE...
set(text "")
set(files OFF)
math(EXPR last "${CMAKE_ARGC} - 1")
foreach(i RANGE ${last})
  if(files)
    file(SHA256 "${CMAKE_ARGV${i}}" sum)
    get_filename_component(name "${CMAKE_ARGV${i}}" NAME)
    string(APPEND text "${sum}  ${name}\n")
  elseif(CMAKE_ARGV${i} MATCHES "write_sums\\.cmake$")
    set(files ON)
  endif()
endforeach()
file(WRITE ${SUMS} "${text}")
