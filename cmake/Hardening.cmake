# Hardens every target that follows, whatever flags the builder passes; those
# still come through. Included after Sanitizers.cmake, before any target.

include(CheckCXXCompilerFlag)
include(CheckPIESupported)

set(CMAKE_POSITION_INDEPENDENT_CODE ON)
check_pie_supported()

# -fcf-protection exists only for x86.
foreach(flag -fstack-protector-strong -fstack-clash-protection -fcf-protection)
  string(MAKE_C_IDENTIFIER "VENNARO_CXX${flag}" supported)
  check_cxx_compiler_flag(${flag} ${supported})
  if(${supported})
    add_compile_options(${flag})
  endif()
endforeach()

add_link_options(LINKER:-z,relro,-z,now)

# Fortified calls want optimisation, and go past AddressSanitizer's checks of
# the same calls. A level the builder chose is left alone.
if(NOT VENNARO_SANITIZE AND NOT CMAKE_CXX_FLAGS MATCHES "_FORTIFY_SOURCE")
  add_compile_definitions($<$<NOT:$<CONFIG:Debug>>:_FORTIFY_SOURCE=2>)
endif()

# The program links no library of its own and installs none: a search path
# would only let a library planted beside it be loaded.
set(CMAKE_SKIP_RPATH ON)
