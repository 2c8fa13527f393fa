# The hardening a distribution builds its packages with (Debian's dpkg-buildflags with
# hardening=+all): fortified libc calls, a strong stack protector, position-independent
# programs and full RELRO (every symbol bound at start, the tables read-only afterwards).
# Left out of the sanitizer and fuzzing builds, whose run-time libraries check the same calls
# and do not mix with fortified ones; -DHARDENING=OFF leaves it out elsewhere.
option(HARDENING "Build with fortified functions, stack protector and full RELRO" ON)
set(HARDENED OFF)
if(HARDENING AND NOT SANITIZE AND NOT FUZZ)
  set(HARDENED ON)
  add_compile_options(-U_FORTIFY_SOURCE -D_FORTIFY_SOURCE=2 -fstack-protector-strong
                      -fstack-clash-protection)
  set(CMAKE_POSITION_INDEPENDENT_CODE ON)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
  include(CheckPIESupported)
  check_pie_supported()
endif()
