# Runs in the package's staging folder before the package is built.
file(GLOB_RECURSE docs "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/*.1"
                       "${CPACK_TEMPORARY_INSTALL_DIRECTORY}/changelog")
foreach(doc IN LISTS docs)
  execute_process(COMMAND gzip -9n "${doc}" COMMAND_ERROR_IS_FATAL ANY)
endforeach()
