# Release builds (the Debian package's) are hardened as Debian builds its own packages
# (dpkg-buildflags): fortified libc calls, a stack protector, relocations read-only and bound at
# start. The sanitized and fuzz builds have their own instrumentation.
if(CMAKE_BUILD_TYPE STREQUAL "Release" AND NOT MK21_SANITIZE AND NOT MK21_FUZZ)
  add_compile_options(-D_FORTIFY_SOURCE=2 -fstack-protector-strong)
  add_link_options(-Wl,-z,relro -Wl,-z,now)
endif()
