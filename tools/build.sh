# Sourced by ./run, ./test and .ci/run: configures a build folder once, and again only when one
# of the project's own options (-DBEZIER_...) was asked for with another value than it has.

configure_build() {
  local build=$1 option changed=()
  shift
  if [ -f "$build/build.ninja" ]; then
    for option in "$@"; do
      # -DNAME=VALUE stands in the cache as NAME:TYPE=VALUE.
      [[ $option == -DBEZIER_*=* ]] || continue
      local name=${option#-D}
      grep -q "^${name%%=*}:[A-Z]*=${option#*=}\$" "$build/CMakeCache.txt" || changed+=("$option")
    done
    # Only the changed options: naming the compiler again could make CMake start afresh.
    [ ${#changed[@]} -eq 0 ] || cmake -S . -B "$build" "${changed[@]}"
    return 0
  fi
  local launcher=()
  # A compiler cache makes rebuilds in other folders and later CI runs cheap where it is installed.
  command -v ccache >/dev/null && launcher=(-DCMAKE_C_COMPILER_LAUNCHER=ccache
                                           -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  cmake -S . -B "$build" -G Ninja "${launcher[@]}" "$@"
}
