# spooler_probe.exe: what the spooler holds, seen from outside the program (tests/wine).
add_executable(spooler_probe ${CMAKE_CURRENT_LIST_DIR}/spooler_probe.cc)
target_compile_definitions(spooler_probe PRIVATE UNICODE _UNICODE WINVER=0x0501 _WIN32_WINNT=0x0501)
target_compile_options(spooler_probe PRIVATE -Wall -Wextra -municode)
target_link_libraries(spooler_probe PRIVATE winspool)
target_link_options(spooler_probe PRIVATE -static -static-libgcc -static-libstdc++ -mconsole -municode)
set_target_properties(spooler_probe PROPERTIES OUTPUT_NAME spooler_probe SUFFIX .exe)
