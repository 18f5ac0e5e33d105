# robot.exe: drives a program's dialog from outside under Wine (tests/wine/scenarios.sh).
# A console program that prints UTF-8 itself, so no execution charset here; linked statically so
# that the prefix needs no mingw runtime DLLs.
add_executable(robot ${CMAKE_CURRENT_LIST_DIR}/robot.cc)
target_compile_definitions(robot PRIVATE UNICODE _UNICODE WINVER=0x0501 _WIN32_WINNT=0x0501
                                         _WIN32_IE=0x0500)
target_compile_options(robot PRIVATE -Wall -Wextra -finput-charset=UTF-8)
target_link_libraries(robot PRIVATE user32 gdi32 shell32 advapi32)
target_link_options(robot PRIVATE -static -static-libgcc -static-libstdc++ -mconsole)
set_target_properties(robot PROPERTIES OUTPUT_NAME robot SUFFIX .exe)
