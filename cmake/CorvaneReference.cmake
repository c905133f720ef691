# The API reference of the public headers and the guides (Doxygen, docs/Doxyfile), built with
# the library into build/docs/html/ and installed with it in <prefix>/share/doc/Corvane/html/.
# On when Doxygen is installed. `tools/dev.sh docs` writes the same pages without a build.
find_package(Doxygen QUIET)
option(CORVANE_API_REFERENCE "Build and install the API reference (needs Doxygen)"
       ${DOXYGEN_FOUND})
if(NOT CORVANE_API_REFERENCE)
  return()
endif()
if(NOT DOXYGEN_FOUND)
  message(FATAL_ERROR "CORVANE_API_REFERENCE needs Doxygen (Debian: doxygen)")
endif()

set(corvane_reference_dir ${PROJECT_BINARY_DIR}/docs)
set(corvane_doxyfile ${PROJECT_BINARY_DIR}/Doxyfile)
file(WRITE ${corvane_doxyfile}
     "@INCLUDE = ${PROJECT_SOURCE_DIR}/docs/Doxyfile\n"
     "OUTPUT_DIRECTORY = ${corvane_reference_dir}\n"
     "PROJECT_NUMBER = ${PROJECT_VERSION}\n")
file(GLOB corvane_reference_inputs CONFIGURE_DEPENDS ${PROJECT_SOURCE_DIR}/include/corvane/*.h
     ${PROJECT_SOURCE_DIR}/docs/*.md)
# Doxygen reads the Doxyfile's INPUT paths from the top of the tree.
add_custom_command(
  OUTPUT ${corvane_reference_dir}/html/index.html
  COMMAND ${DOXYGEN_EXECUTABLE} ${corvane_doxyfile}
  WORKING_DIRECTORY ${PROJECT_SOURCE_DIR}
  DEPENDS ${PROJECT_SOURCE_DIR}/docs/Doxyfile ${PROJECT_SOURCE_DIR}/README.md
          ${corvane_reference_inputs}
  COMMENT "The API reference (Doxygen)")
add_custom_target(corvane_api_reference ALL DEPENDS ${corvane_reference_dir}/html/index.html)
