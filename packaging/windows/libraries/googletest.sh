# GoogleTest and GoogleMock as static libraries, from the source that
# Debian's googletest package installs in /usr/src/googletest.
version() { dpkg-query -W -f='${Version}' googletest; }

fetch() { cp -a /usr/src/googletest "$1"; }

build() { cmake_project "$@"; }
