#!/usr/bin/env bash
# Installs what Tavrel needs, builds it, prepares the install folder with a
# fresh database when there is none, and starts the program on it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DBUILD_TESTING=OFF > /dev/null
cmake --build build --target tavrel tavrel-createdb tavrel-setup -j"$(nproc)"

root="${TAVREL_ROOT:-$HOME}"
install="$root/Tavrel - Meridel"
mkdir -p "$install"
if [ ! -f "$install/DADOS.GDB" ]; then
  ./build/src/data/tavrel-createdb "$install/DADOS.GDB"
fi
if [ ! -f "$install/localbase.txt" ]; then
  # One line, the single-user connection string: the database on this machine.
  printf '%s' "$install/DADOS.GDB" > "$install/localbase.txt"
fi
if [ ! -f "$install/grupoprod.txt" ]; then
  # An example list of product groups, one per line, in the shop's code page.
  printf 'Acessórios\nCelulares\nEletrônicos\nInformática\nPeças de Reposição\n' \
    | iconv -f UTF-8 -t WINDOWS-1252 > "$install/grupoprod.txt"
fi

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
  echo "No display found: starting Tavrel on a virtual display (Xvfb)."
  exec xvfb-run -a -s "-screen 0 1366x768x24" ./build/tavrel
fi
exec ./build/tavrel
