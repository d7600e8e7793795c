# What Folivane needs on Debian 12, in one place (sourced by deps.sh and test.sh).
#   vane_packages   the Debian packages deps.sh installs
#   vane_programs   the programs the test suites start, each with its package;
#                   vane_missing_programs prints those not on PATH

vane_packages=(
  # build
  cmake ninja-build g++ pkg-config libgtest-dev libgmock-dev
  # fuzzing (libFuzzer with clang's sanitizer runtimes)
  clang libclang-rt-14-dev
  # HTML filter, printer spooler, PDF page rotation, desktop program
  libtidy-dev libcups2-dev libqpdf-dev libpoppler-cpp-dev qt6-base-dev qt6-base-dev-tools
  # the desk program opens published results with xdg-open
  xdg-utils
  # the printer: cupsd (tests/printer/start-cupsd.sh); lpadmin, lpstat, lpoptions,
  # lp, cancel (printer, pdf and reliability suites, scripts)
  cups cups-client cups-bsd
  # PDF producer and readers: gs (d2p, pdf and office suites);
  # pdftotext, pdfinfo (pdf and office suites, fault injection); qpdf (pdf suites,
  # samples/flatodt.py, benchmarks, fault injection)
  ghostscript poppler-utils qpdf
  # virtual X display: xvfb-run (Windows dialog tests without the null driver,
  # scripts/windows-dialog-shots.sh)
  xvfb xauth
  # the browser tests (tests/browser) drive /usr/bin/chromium; node and npm below
  chromium fonts-dejavu-core
  # fixture generators: pandoc (office_document_test, tests/reliability/make-fixtures.sh,
  # tests/data/docs/make_properties_doc.py),
  # file (make-fixtures.sh)
  pandoc file
  # scripts of the tests, fixtures and benchmarks: python3 (standard library only),
  # chattr and mount/umount (fault injection), uptime (benchmarks), xargs and awk
  # (scripts/corpus-check.sh)
  python3 e2fsprogs mount procps findutils mawk
  # the word processor and the fonts its page breaks depend on
  libreoffice-writer libreoffice-core libreoffice-dev
  fonts-crosextra-carlito fonts-crosextra-caladea fonts-liberation2
)

# Node for the browser tests (npm ci of playwright-core, then node drives
# Chromium). Debian's nodejs and npm are installed only when no node or npm is
# on PATH: a Node installed from elsewhere (which brings its own npm and
# conflicts with Debian's npm package) is kept.
vane_node_packages=(nodejs npm)

vane_programs=(
  "soffice libreoffice-core"
  "gs ghostscript"
  "pdftotext poppler-utils"
  "pdfinfo poppler-utils"
  "qpdf qpdf"
  "cupsd cups-daemon"
  "lpadmin cups-client"
  "lpstat cups-client"
  "lpoptions cups-client"
  "lp cups-client"
  "cancel cups-client"
  "pandoc pandoc"
  "python3 python3"
  "chattr e2fsprogs"
  "mount mount"
  "umount mount"
  "setsid util-linux"
  "timeout coreutils"
  "xargs findutils"
  "awk mawk"
  "xvfb-run xvfb"
  "chromium chromium"
  "node nodejs"
  "npm npm"
)

# Prints "program (package)" for each program of vane_programs not on PATH.
vane_missing_programs() {
  local entry
  for entry in "${vane_programs[@]}"; do
    command -v "${entry%% *}" >/dev/null 2>&1 || echo "${entry%% *} (${entry#* })"
  done
}
