# The Wine session of one run: a temporary folder with its own WINEPREFIX, its
# own Xvfb display and a persistent wineserver, all stopped by stop_session.
work=
xvfb_pid=
loader=

# wine32_problem: prints why 32-bit Windows programs cannot run here, or nothing.
wine32_problem() {
  if [[ ! -x /usr/lib/wine/wine ]]; then
    echo "wine32 is not installed (scripts/setup-deps installs it as root)"
  elif ! /usr/lib/wine/wine --version >/dev/null 2>&1; then
    echo "this machine cannot execute 32-bit programs (no qemu-i386 binfmt entry)"
  fi
}

# wine_loader ARCH: the loader that runs ARCH-bit programs directly (the plain
# "wine" launcher would first start the 32-bit loader, emulated on some machines).
wine_loader() {
  if [[ $1 == 32 ]]; then
    echo /usr/lib/wine/wine
  elif [[ -x /usr/lib/wine/wine64 ]]; then
    echo /usr/lib/wine/wine64
  else
    command -v wine64 || echo wine
  fi
}

# prepare_template: a finished 64-bit prefix to copy, made once per Wine version
# and per 32-bit support (creating one takes minutes where 32-bit Wine is
# emulated; copying it takes seconds). Prints its path.
prepare_template() {
  local loader version kind template
  loader=$(wine_loader 64)
  version=$("$loader" --version 2>/dev/null | tr -c 'A-Za-z0-9.\n-' _)
  kind=$([[ -z $(wine32_problem) ]] && echo wow64 || echo win64)
  template=/tmp/d3d8water-wine-template-$version-$kind
  (
    flock 9
    if [[ ! -e $template/.complete ]]; then
      rm -rf "$template"
      WINEPREFIX=$template "$loader" wineboot -i >/dev/null 2>&1 &&
        WINEPREFIX=$template wineserver -w &&
        touch "$template/.complete"
    fi
  ) 9>"$template.lock"
  [[ -e $template/.complete ]] && echo "$template"
}

# start_session ARCH: 64 or 32.
start_session() {
  work=$(mktemp -d /tmp/d3d8water-wine.XXXXXX)
  loader=$(wine_loader "$1")
  local template
  template=$(prepare_template) || return 1
  cp -a "$template" "$work/prefix" || return 1
  export WINEPREFIX=$work/prefix WINEDEBUG=-all
  # Mesa's rasteriser threads are the part of an emulated 32-bit run that
  # qemu-user handles worst; one thread draws these small frames as well.
  [[ $1 == 32 ]] && export LP_NUM_THREADS=0
  local display
  for display in $(seq 90 190); do
    [[ -e /tmp/.X$display-lock || -e /tmp/.X11-unix/X$display ]] && continue
    Xvfb ":$display" -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
    xvfb_pid=$!
    local tries
    for tries in $(seq 50); do
      [[ -e /tmp/.X11-unix/X$display ]] && break
      kill -0 "$xvfb_pid" 2>/dev/null || break
      sleep 0.1
    done
    if [[ -e /tmp/.X11-unix/X$display ]]; then
      export DISPLAY=:$display
      break
    fi
    xvfb_pid=
  done
  [[ -n $xvfb_pid ]] || return 1
  wineserver -p 2>/dev/null  # keep it running between the demo's starts
  return 0
}

stop_session() {
  if [[ -n $work ]]; then
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
  fi
  [[ -n $xvfb_pid ]] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  [[ -n $work ]] && rm -rf "$work"
  work=
  xvfb_pid=
}

# stage NAME: a fresh folder holding the DLL, the demo and the 34 assets, as a
# game's folder would; prints its path.
stage() {
  local folder=$work/$1
  mkdir -p "$folder"
  cp "$dll" "$demo_exe" "$folder/"
  cp "$assets"/*.vso "$assets"/*.pso "$assets"/water_normal_*.dds "$folder/"
  echo "$folder"
}

# run_demo FOLDER NAME ARGS...: runs the demo in FOLDER (for at most
# $demo_timeout seconds, 900 unless set); its standard output,
# standard error and exit status land in FOLDER/NAME.out, .err and .status.
run_demo() {
  local folder=$1 name=$2
  shift 2
  (cd "$folder" && timeout "${demo_timeout:-900}" "$loader" ./demo.exe "$@" >"$name.out" 2>"$name.err"; echo $? >"$name.status")
  # Text-mode streams end Windows lines with CR LF.
  sed -i 's/\r$//' "$folder/$name.out" "$folder/$name.err"
}

# crashed FOLDER NAME: true if Wine reported a fault in that run.
crashed() {
  grep -qiE 'unhandled exception|page fault|wine: .*(crash|exception)' "$1/$2.err"
}
