# Runs TEST_BINARY in a new, empty working directory so that the files a test writes
# ("./dravo.log", "crashcore.dmp", ...) never land in the source or build tree.
# The directory is removed after a pass and kept after a failure, for a look.
string(RANDOM LENGTH 10 suffix)
get_filename_component(test_name "${TEST_BINARY}" NAME_WE)
set(work "${TEMP_ROOT}/${test_name}-${suffix}")
file(MAKE_DIRECTORY "${work}")
if(UNIX)
  execute_process(COMMAND chmod 700 "${work}") # a runtime directory must be private
endif()
# Isolate per-user runtime state (single-instance locks) from other tests and from a running app.
set(ENV{XDG_RUNTIME_DIR} "${work}")
# Simulated devices and their backups stay in the test's folder too; a test that wants
# devices makes them there (the device-image fixture), so no demo device is ever created.
set(ENV{OVDRIVER_SIM_ROOT} "${work}/devices")
set(ENV{OVDRIVER_BACKUP_DIR} "${work}/backups")
file(MAKE_DIRECTORY "${work}/devices")
execute_process(COMMAND "${TEST_BINARY}" WORKING_DIRECTORY "${work}" RESULT_VARIABLE rc)
if(rc EQUAL 0)
  file(REMOVE_RECURSE "${work}")
else()
  message(FATAL_ERROR "${test_name} failed (${rc}); its working directory is kept: ${work}")
endif()
