# Writes OUTPUT, a C++ source that defines FUNCTION (declared in HEADER) returning the bytes of
# INPUT. Run at build time, so the program carries the file as it is in the source tree.
file(READ "${INPUT}" hex HEX)
string(LENGTH "${hex}" hexLength)
math(EXPR byteCount "${hexLength} / 2")
string(REGEX REPLACE "([0-9a-f][0-9a-f])" "0x\\1," bytes "${hex}")
get_filename_component(inputName "${INPUT}" NAME)
file(WRITE "${OUTPUT}"
  "// Generated at build time from ${inputName}; edit that file instead.\n"
  "#include \"${HEADER}\"\n\n"
  "namespace mk21 {\n\n"
  "namespace {\n"
  "constexpr unsigned char bytes[${byteCount} + 1] = {\n    ${bytes}0};\n"
  "} // namespace\n\n"
  "QByteArrayView ${FUNCTION}()\n{\n    return QByteArrayView(bytes, ${byteCount});\n}\n\n"
  "} // namespace mk21\n")
