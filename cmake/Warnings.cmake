# Compiler warnings for every target of the project.
add_library(lumetta_warnings INTERFACE)
target_compile_options(lumetta_warnings INTERFACE -Wall -Wextra -Wno-missing-field-initializers)
# GCC 12 reports -Wrestrict for ordinary std::string assignments at -O3
# (GCC bug 105329); the warning says nothing about our code there.
if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU" AND CMAKE_CXX_COMPILER_VERSION VERSION_LESS 13)
  target_compile_options(lumetta_warnings INTERFACE -Wno-restrict)
endif()
if(LUMETTA_WERROR)
  target_compile_options(lumetta_warnings INTERFACE -Werror)
endif()
