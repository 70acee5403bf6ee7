# Reads a Windows program's PE header rather than a description of it, whose words differ between
# versions of `file`. Source it, then: is_win32_gui FILE (status 0 for a 32-bit x86 GUI program;
# otherwise it prints what the header says).
byte_hex() {  # file, offset, count: the bytes as hex, in file order
  od -An -v -t x1 -j "$2" -N "$3" "$1" | tr -d ' \n'
}
is_win32_gui() {
  local file=$1
  [ "$(byte_hex "$file" 0 2)" = 4d5a ] || { echo "$file: no MZ header"; return 1; }
  local pe=$((0x$(byte_hex "$file" 60 4 | sed -E 's/(..)(..)(..)(..)/\4\3\2\1/')))
  local signature machine magic subsystem
  signature=$(byte_hex "$file" "$pe" 4)
  machine=$(byte_hex "$file" $((pe + 4)) 2)
  magic=$(byte_hex "$file" $((pe + 24)) 2)
  subsystem=$(byte_hex "$file" $((pe + 24 + 68)) 2)
  # "PE\0\0"; machine 0x014C (i386); optional header 0x010B (PE32); subsystem 2 (Windows GUI).
  if [ "$signature" != 50450000 ] || [ "$machine" != 4c01 ] || [ "$magic" != 0b01 ] || [ "$subsystem" != 0200 ]; then
    echo "$file: signature $signature, machine $machine, optional header $magic, subsystem $subsystem" \
      "(want 50450000, 4c01 for i386, 0b01 for PE32, 0200 for GUI)"
    return 1
  fi
}
