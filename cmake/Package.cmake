# The Debian package: `cpack` in a build folder (scripts/package does it all). The
# library dependencies are read from the installed binaries by dpkg-shlibdeps; what
# the binaries cannot show is named here: the Thai fonts the sheets print in, and
# libthai, which Qt loads at run time for Thai line breaking.
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME mx7100)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_VENDOR "MX7100")
set(CPACK_PACKAGE_CONTACT "MX7100 maintainers <maintainers@mx7100.invalid>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "design aid for reinforced-concrete members (Thai working-stress method)")
set(CPACK_PACKAGE_DESCRIPTION
    "MX7100 designs one reinforced-concrete member at a time - beam, slab, column, stair,
spread footing, pile-cap footing, the safe load of a pile and the capacity of a driven
pile from its blow count - by the working-stress method of the Thai engineering
standard, and prints a one-page A4 calculation sheet with a scaled drawing. All of its
text is Thai. mx7100-calc runs the same calculations without a window, one design or
a CSV schedule at a time.")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_STRIP_FILES ON)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION science)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "fonts-thai-tlwg, libthai0")
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "https://mx7100.invalid/")
include(CPack)
