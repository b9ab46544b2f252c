# The Debian packages of each use, sourced by run.sh and test.sh.
BUILD_PACKAGES=(build-essential cmake pkg-config libfox-1.6-dev)
RUN_PACKAGES=(xvfb xauth)
TEST_PACKAGES=(libgtest-dev clang libclang-rt-14-dev xvfb xauth xdotool xclip x11-utils imagemagick python3)
# The benchmark's probe watches repaints through DAMAGE and types through XTEST.
BUILD_PACKAGES+=(libxdamage-dev libxtst-dev)
BENCH_PACKAGES=(xvfb xauth)
