# Prints "Install.exe: N bytes" for the file named by FILE.
file(SIZE "${FILE}" size)
get_filename_component(name "${FILE}" NAME)
message("${name}: ${size} bytes")
