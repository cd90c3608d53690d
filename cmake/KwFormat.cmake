# `format-check` fails when a source file differs from clang-format's layout; `format` fixes it.
find_program(CLANG_FORMAT clang-format)
if(CLANG_FORMAT)
  file(GLOB_RECURSE KW_FORMAT_SOURCES CONFIGURE_DEPENDS
       ${PROJECT_SOURCE_DIR}/src/*.cpp ${PROJECT_SOURCE_DIR}/src/*.h
       ${PROJECT_SOURCE_DIR}/tests/*.cpp ${PROJECT_SOURCE_DIR}/tests/*.h
       ${PROJECT_SOURCE_DIR}/bench/*.cpp ${PROJECT_SOURCE_DIR}/bench/*.h)
  add_custom_target(format-check
    COMMAND ${CLANG_FORMAT} --dry-run --Werror ${KW_FORMAT_SOURCES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMENT "Checking formatting" VERBATIM)
  add_custom_target(format
    COMMAND ${CLANG_FORMAT} -i ${KW_FORMAT_SOURCES}
    WORKING_DIRECTORY ${PROJECT_SOURCE_DIR} COMMENT "Formatting sources" VERBATIM)
endif()
