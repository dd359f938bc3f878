# End-to-end test of the settings window: the real zk3 under Xvfb, closed with "Zavrieť".
find_program(XVFB_RUN xvfb-run)
find_program(XDOTOOL xdotool)
if(XVFB_RUN AND XDOTOOL AND TARGET zk3)
  add_test(NAME game.e2e.SettingsCloseWritesFirstRunValues
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24 -dpi 96"
      ${CMAKE_CURRENT_SOURCE_DIR}/game/e2e_settings.sh ${ZK3_PROGRAM_DIR})
  set_tests_properties(game.e2e.SettingsCloseWritesFirstRunValues PROPERTIES
    ENVIRONMENT "ALSOFT_DRIVERS=null;ASAN_OPTIONS=detect_leaks=0" TIMEOUT 120)
endif()

# The scripted matches run the headless runner: build it with their test program.
if(TARGET zk3-sim AND TARGET game_test_sim)
  add_dependencies(game_test_sim zk3-sim)
endif()

# End to end: a match of the real zk3 under Xvfb with a window manager (maximising, closing).
find_program(OPENBOX openbox)
find_program(IM_COMPARE compare)
if(XVFB_RUN AND XDOTOOL AND OPENBOX AND IM_COMPARE AND TARGET zk3)
  add_test(NAME game.e2e.MatchStartsFliesAndClosing
    COMMAND ${XVFB_RUN} -a -s "-screen 0 1280x1024x24 -dpi 96"
      ${CMAKE_CURRENT_SOURCE_DIR}/game/e2e_match.sh ${ZK3_PROGRAM_DIR} ${CMAKE_BINARY_DIR}/e2e-match)
  set_tests_properties(game.e2e.MatchStartsFliesAndClosing PROPERTIES
    ENVIRONMENT "ALSOFT_DRIVERS=null;ASAN_OPTIONS=detect_leaks=0" TIMEOUT 120)
endif()
