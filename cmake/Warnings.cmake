# Compiler warnings for every target of the project.
add_library(lumetta_warnings INTERFACE)
target_compile_options(lumetta_warnings INTERFACE -Wall -Wextra -Wno-missing-field-initializers)
if(LUMETTA_WERROR)
  target_compile_options(lumetta_warnings INTERFACE -Werror)
endif()
