# The command-line tests of zkcollection run the real program.
if(TARGET tools_test_zkcollection AND TARGET zkcollection)
  target_compile_definitions(tools_test_zkcollection PRIVATE
    ZKCOLLECTION="$<TARGET_FILE:zkcollection>")
  add_dependencies(tools_test_zkcollection zkcollection)
endif()
