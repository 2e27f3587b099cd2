#!/bin/sh
# Installs what the build and the tests need on Debian or Ubuntu, only what is
# missing, and generates the three locales the resource-set tests run under.
# Packages named as arguments are installed too.
set -e
packages="cmake ninja-build g++ clang lld googletest g++-mingw-w64-x86-64-posix wine64 fonts-wine
fonts-vlgothic locales xvfb xauth imagemagick python3 python3-yaml python3-jsonschema wixl msitools $*"
# The fuzzer runtime is a package of its own on newer releases only.
optional="libclang-rt-14-dev"
missing=""
for p in $packages $optional; do
    dpkg -s "$p" >/dev/null 2>&1 || missing="$missing $p"
done
sudo=""
[ "$(id -u)" = 0 ] || sudo="sudo"
if [ -n "$missing" ]; then
    $sudo apt-get update -qq
    wanted=""
    for p in $missing; do
        case " $optional " in
        *" $p "*) apt-cache show "$p" >/dev/null 2>&1 && wanted="$wanted $p" ;;
        *) wanted="$wanted $p" ;;
        esac
    done
    if [ -n "$wanted" ]; then
        echo "Installing:$wanted"
        DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq $wanted >/dev/null
    fi
fi
need_gen=""
locales="en_US.UTF-8 ja_JP.UTF-8 zh_CN.UTF-8"
for l in $locales; do
    locale -a 2>/dev/null | grep -qi "^$(echo $l | sed 's/UTF-8/utf8/')$" || need_gen=1
done
if [ -n "$need_gen" ]; then
    echo "Generating locales $locales"
    for l in $locales; do
        $sudo sed -i -e "s/^# *\($l UTF-8\)/\1/" /etc/locale.gen
        grep -q "^$l UTF-8" /etc/locale.gen || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
    done
    $sudo locale-gen >/dev/null
fi
