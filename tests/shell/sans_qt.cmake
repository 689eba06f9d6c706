# Fails when the given binary is linked against any Qt library.
execute_process(COMMAND ldd ${BINAIRE} OUTPUT_VARIABLE libs RESULT_VARIABLE rc)
if(NOT rc EQUAL 0)
  message(FATAL_ERROR "ldd a échoué sur ${BINAIRE}")
endif()
if(libs MATCHES "libQt")
  message(FATAL_ERROR "${BINAIRE} est lié à Qt :\n${libs}")
endif()
