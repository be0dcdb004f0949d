# CPack: the installed tree (programs in bin, manual pages in
# share/man/man1) as a .tar.gz and as a Debian package.
#   cmake --workflow --preset package
set(CPACK_PACKAGE_NAME lutools)
set(CPACK_PACKAGE_VENDOR "lutools")
set(CPACK_PACKAGE_CONTACT "lutools maintainers <lutools@localhost>")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY
    "small POSIX tools: byte dump, byte tail, sudoku solver, rectangle drawers")
set(CPACK_PACKAGE_DESCRIPTION
    "bytedump lists files in hexadecimal and as characters, bytetail shows the \
last N bytes of files or of standard input, sudoku solves a puzzle given as \
nine rows, and rect_rows, rect_line, rect_star, rect_diag and rect_cols draw \
rectangles of glyphs. All of them write unbuffered to standard output and \
always exit with status 0.")
set(CPACK_GENERATOR TGZ DEB)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${CPACK_PACKAGE_CONTACT}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
# The programs link nothing but the C library; dpkg-shlibdeps finds the
# version of it that they need.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The .deb installs under /usr (the generator's default); the archive holds
# bin and share at its top, ready to unpack under any prefix.

include(CPack)
