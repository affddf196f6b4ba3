# One way to register a test, so that every test runs in the same environment:
# offscreen platform, fixed locale, fast timers, a simulated device library without
# delays, a fresh temporary working directory and a timeout.
#
#   dravo_add_test(NAME tst_Foo SOURCES tst_Foo.cpp LIBS dravo_base [TIMEOUT 120] [ENV K=V ...])
function(dravo_add_test)
  cmake_parse_arguments(T "" "NAME;TIMEOUT" "SOURCES;LIBS;ENV" ${ARGN})
  if(NOT T_TIMEOUT)
    set(T_TIMEOUT 120)
  endif()
  add_executable(${T_NAME} ${T_SOURCES})
  target_link_libraries(${T_NAME} PRIVATE Qt5::Test dravo_testsupport ${T_LIBS})
  add_test(NAME ${T_NAME}
           COMMAND ${CMAKE_COMMAND} -DTEST_BINARY=$<TARGET_FILE:${T_NAME}>
                   -DTEMP_ROOT=${CMAKE_BINARY_DIR}/testrun
                   -P ${PROJECT_SOURCE_DIR}/cmake/RunInTempDir.cmake)
  set(env "QT_QPA_PLATFORM=offscreen;LC_ALL=C.UTF-8;LANG=C.UTF-8;TZ=UTC;DRAVO_TIME_SCALE=0.01")
  list(APPEND env "OVDRIVER_SIM_DELAY_MS=0;OVDRIVER_SIM_RESTART_MS=50;DRAVO_APP_DIR=${DRAVO_BIN_DIR}")
  if(DRAVO_SANITIZE MATCHES "address")
    list(APPEND env "LSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/lsan.supp:print_suppressions=0")
  elseif(DRAVO_SANITIZE MATCHES "thread")
    list(APPEND env "TSAN_OPTIONS=suppressions=${PROJECT_SOURCE_DIR}/tests/support/tsan.supp")
  endif()
  set_tests_properties(${T_NAME} PROPERTIES TIMEOUT ${T_TIMEOUT} ENVIRONMENT "${env};${T_ENV}")
endfunction()
