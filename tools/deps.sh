# Sourced by the scripts: installs what is missing (as root, or through sudo).
tarnix_deps() {
  local here
  here=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
  if [ "$(id -u)" -eq 0 ]; then
    bash "$here/install-deps.sh"
  elif command -v sudo >/dev/null; then
    sudo bash "$here/install-deps.sh"
  else
    echo "deps: not root and no sudo; assuming the tools are installed" >&2
  fi
}
