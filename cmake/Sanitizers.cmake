# Builds every target that follows with the listed sanitizers, for example
# -DVENNARO_SANITIZE=address,undefined. Included before any target is defined.

set(VENNARO_SANITIZE "" CACHE STRING "Comma-separated -fsanitize= list for all targets; empty for none")

if(VENNARO_SANITIZE)
  add_compile_options(-fsanitize=${VENNARO_SANITIZE} -fno-omit-frame-pointer -fno-sanitize-recover=all)
  add_link_options(-fsanitize=${VENNARO_SANITIZE})
endif()
