# Qt (Core, Gui, Widgets, Test and the Windows platform plugin) from Debian's
# qt6-base source of the same version as the installed host tools, which run
# from /usr while Qt and Cintario build (moc, rcc, uic).
version() { dpkg-query -W -f='${Version}' qt6-base-dev-tools | sed 's/+b[0-9]*$//'; }

fetch() { "$here/debian-source" qt6-base "$(version)" "$1"; }

# Only what Cintario uses, with Qt's own copies of the image and text
# libraries. Three settings are needed by this Qt on MinGW: directwrite3 off
# (its Windows plugin then wants a class that is only built with direct2d),
# dynamicgl off with opengl (else the plugin wants OpenGL's classes), and
# tabletevent off (Debian's source leaves out the wintab headers).
build() {
  local src=$1 build=$2 prefix=$3 feature
  local off=(pkg_config sql network dbus printsupport xml concurrent opengl vulkan
             direct2d directwrite3 dynamicgl tabletevent icu zstd freetype fontconfig gif
             system_zlib system_pcre2 system_harfbuzz system_png system_jpeg
             system_doubleconversion)
  local options=()
  for feature in "${off[@]}"; do options+=("-DFEATURE_$feature=OFF"); done
  cmake -S "$src" -B "$build" -G Ninja \
    -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=Release -DBUILD_SHARED_LIBS=ON \
    -DCMAKE_INSTALL_PREFIX="$prefix" \
    -DQT_HOST_PATH=/usr -DQT_HOST_PATH_CMAKE_DIR="/usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/cmake" \
    -DQT_BUILD_EXAMPLES=OFF -DQT_BUILD_TESTS=OFF -DQT_BUILD_BENCHMARKS=OFF \
    -DFEATURE_testlib=ON -DFEATURE_jpeg=ON "${options[@]}"
  cmake --build "$build" -j"$(nproc)"
  cmake --install "$build" --strip
}
