# profile_probe_host: answers profile-file queries with StoredProfileFiles over real files, for
# compare-profiles.sh to hold against tests/wine/profile_probe.exe under Wine.
add_executable(profile_probe_host ${CMAKE_CURRENT_LIST_DIR}/profile_probe_host.cc)
target_link_libraries(profile_probe_host PRIVATE setup_memory)
target_compile_options(profile_probe_host PRIVATE -Wall -Wextra)
