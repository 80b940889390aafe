# A Debian package of what `cmake --install` puts under the prefix: the program, its tables and
# guide, the desktop entry and the icon. Build it with `cpack -G DEB` in the build tree.
set(CPACK_PACKAGE_NAME "pralomen")
set(CPACK_PACKAGE_VENDOR "Pralomen team")
set(CPACK_PACKAGE_VERSION "${PROJECT_VERSION}")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "Thai reading aid: Thai text to katakana with tone arrows and to IPA")
string(CONCAT CPACK_PACKAGE_DESCRIPTION
    "Pralomen helps Japanese speakers read Thai: it cuts Thai text into words and syllables "
    "and gives a katakana reading with tone arrows, an IPA transcription with tone marks, a log with Japanese "
    "glosses and a judgement of how far the result can be trusted. A small tool writes Japanese names in Thai "
    "letters.")
if(PRALOMEN_SUPPORT_MAIL)
  set(CPACK_PACKAGE_CONTACT "Pralomen team <${PRALOMEN_SUPPORT_MAIL}>")
else()
  set(CPACK_PACKAGE_CONTACT "Pralomen team")
endif()
set(CPACK_PACKAGING_INSTALL_PREFIX "/usr")
set(CPACK_GENERATOR "DEB")
set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_SECTION "education")
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
# The windows show Thai, kana and IPA with combining tone marks; these fonts carry them.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-noto-core, fonts-noto-cjk, fonts-thai-tlwg, fonts-dejavu-core")
include(CPack)
