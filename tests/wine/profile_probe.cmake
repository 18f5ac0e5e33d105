# profile_probe.exe: answers profile-file queries with the Windows functions themselves, so that
# compare-profiles.sh can check the Linux reader and writer against Wine. Linked statically so
# that it runs in a bare Wine prefix; built without the program's charset, as its queries come
# from files byte for byte.
add_executable(profile_probe ${CMAKE_CURRENT_LIST_DIR}/profile_probe.cc)
target_compile_options(profile_probe PRIVATE -Wall -Wextra)
target_link_options(profile_probe PRIVATE -static -static-libgcc -static-libstdc++)
