#!/usr/bin/env bash
# Makes a release of Marilo from a clean tree:
#   tools/release.sh [--out DIR] [--sign FILE.pfx [--timestamp URL]]
#                    [--repository URL] [--build-dir DIR] [--dirty]
#
# Builds Marilo.exe in a Windows tree of its own (build/release, tests and
# benchmarks left out), packs Marilo-<version>-win64-setup.exe and
# Marilo-<version>-win64.zip into DIR (default dist/), writes SHA256SUMS beside
# them (sha256sum -c reads it) and the winget manifests under DIR/winget/, and
# prints what it made. Every time in the packages is the last commit's, so the
# same commit gives the same files (tools/check-reproducible.sh shows it).
#
#   --sign FILE.pfx    signs Marilo.exe before it is packed, the uninstaller as
#                      makensis writes it, and the setup, with osslsigncode; the
#                      password is read from MARILO_SIGN_PASSWORD (set it, even
#                      to nothing, for a .pfx without one). The sums are of the
#                      signed files.
#   --timestamp URL    an RFC 3161 time-stamp server for the signatures.
#   --repository URL   the project's home (https://github.com/OWNER/REPO), for
#                      the manifests' download and licence URLs; by default
#                      the GitHub repository the workflow runs in, else the
#                      remote "origin". Without one the manifests are left out.
#   --build-dir DIR    build in DIR instead (an existing Windows tree is used
#                      as it is configured).
#   --dirty            allow uncommitted changes (for trying the script; such
#                      packages do not match any commit).
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
here=$PWD
# Folders and files given on the command line are the caller's; the defaults
# are the tree's.
given() { case "$1" in /*) printf '%s' "$1" ;; *) printf '%s' "$here/$1" ;; esac; }

out=dist build=build/release pfx="" tsurl="" repo="" dirty=0
usage() { sed -n '2,4p' "$0" | sed 's/^# \{0,1\}//' >&2; exit 2; }
while [ $# -gt 0 ]; do
  case "$1" in
    --out) out=$(given "${2:?--out needs a folder}"); shift 2 ;;
    --sign) pfx=$(given "${2:?--sign needs a .pfx file}"); shift 2 ;;
    --timestamp) tsurl=${2:?--timestamp needs a URL}; shift 2 ;;
    --repository) repo=${2:?--repository needs a URL}; shift 2 ;;
    --build-dir) build=$(given "${2:?--build-dir needs a folder}"); shift 2 ;;
    --dirty) dirty=1; shift ;;
    -h|--help) usage ;;
    *) echo "release.sh: unknown argument: $1" >&2; usage ;;
  esac
done
die() { echo "release.sh: $*" >&2; exit 1; }
cd "$root"

if [ "$dirty" = 0 ] && [ -n "$(git status --porcelain)" ]; then
  git status --short >&2
  die "the tree has uncommitted changes; commit them first (or --dirty to try the script)"
fi
if [ -n "$tsurl" ] && [ -z "$pfx" ]; then die "--timestamp is for signatures: give --sign too"; fi
if [ -n "$pfx" ]; then
  [ -f "$pfx" ] || die "no such certificate file: $pfx"
  [ "${MARILO_SIGN_PASSWORD+set}" = set ] || die "set MARILO_SIGN_PASSWORD to the password of $pfx (empty when it has none)"
  command -v osslsigncode >/dev/null || die "osslsigncode is not installed (tools/install-deps.sh)"
  export MARILO_SIGN_PFX="$pfx" MARILO_SIGN_PASSWORD MARILO_SIGN_TIMESTAMP="$tsurl"
fi
if [ -z "$repo" ] && [ -n "${GITHUB_REPOSITORY:-}" ]; then
  repo="${GITHUB_SERVER_URL:-https://github.com}/$GITHUB_REPOSITORY"
fi
if [ -z "$repo" ]; then
  origin=$(git remote get-url origin 2>/dev/null || true)
  case "$origin" in https://*) repo=${origin%.git} ;; esac
fi
repo=${repo%/}

# Every time stamp of the release is the last commit's.
SOURCE_DATE_EPOCH=$(git log -1 --format=%ct)
export SOURCE_DATE_EPOCH

log=$(mktemp)
work=""
trap 'rm -f "$log"; [ -z "$work" ] || rm -rf "$work"' EXIT
quietly() { "$@" >"$log" 2>&1 || { cat "$log" >&2; die "failed: $*"; }; }

if [ ! -f "$build/CMakeCache.txt" ]; then
  echo "Configuring $build"
  quietly cmake --preset windows -B "$build" -DMARILO_BUILD_TESTS=OFF -DMARILO_BUILD_BENCH=OFF
fi
echo "Building Marilo.exe in $build"
quietly cmake --build "$build" --target Marilo -j2
exe="$build/bin/Marilo.exe"
version=$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
vendor=$(sed -n 's/^set(CPACK_PACKAGE_VENDOR "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")
[ -n "$version" ] && [ -n "$vendor" ] || die "no version or vendor in $build/CPackConfig.cmake"
setup="Marilo-$version-win64-setup.exe"
zip="Marilo-$version-win64.zip"

work=$(mktemp -d)
cpack_args=()
if [ -n "$pfx" ]; then
  echo "Signing Marilo.exe"
  cp "$exe" "$work/Marilo.exe"
  tools/sign-exe.sh "$work/Marilo.exe"
  cpack_args=(-D "CPACK_MARILO_SIGNED_EXE=$work/Marilo.exe" -D "CPACK_MARILO_SIGN_COMMAND=$root/tools/sign-exe.sh")
fi
echo "Packing $setup and $zip"
quietly cpack --config "$build/CPackConfig.cmake" -B "$work/pack" "${cpack_args[@]+"${cpack_args[@]}"}"

mkdir -p "$out"
rm -rf "$out/winget" "$out/SHA256SUMS" "$out"/Marilo-*-win64-setup.exe "$out"/Marilo-*-win64.zip
cp "$work/pack/$setup" "$work/pack/$zip" "$out/"
if [ -n "$pfx" ]; then
  echo "Signing $setup"
  tools/sign-exe.sh "$out/$setup"
fi
(cd "$out" && sha256sum "$setup" "$zip" >SHA256SUMS)

# The winget manifests: one folder per version, the setup's real values.
if [ -n "$repo" ]; then
  id="$(printf '%s' "$vendor" | tr -d ' ').Marilo"
  # The uninstall entry's key name is the product code winget matches.
  product_code=$(sed -n 's/^!define UNINST_KEY ".*\\\([^\\"]*\)"$/\1/p' installer/NSIS.template.in)
  [ -n "$product_code" ] || die "no uninstall key in installer/NSIS.template.in"
  sha=$(sed -n "s/^\([0-9a-f]\{64\}\)  $setup\$/\1/p" "$out/SHA256SUMS" | tr a-f A-F)
  date=$(git log -1 --format=%cd --date=format-local:%Y-%m-%d)
  licence=$(head -1 LICENSE | sed 's/ License$//')
  dir="$out/winget/manifests/$(printf '%s' "${id:0:1}" | tr A-Z a-z)/${id//.//}/$version"
  mkdir -p "$dir"
  schema() { printf '# yaml-language-server: $schema=https://aka.ms/winget-manifest.%s.1.6.0.schema.json\n\n' "$1"; }
  { schema version
    cat <<EOF
PackageIdentifier: $id
PackageVersion: $version
DefaultLocale: en-US
ManifestType: version
ManifestVersion: 1.6.0
EOF
  } >"$dir/$id.yaml"
  { schema installer
    cat <<EOF
PackageIdentifier: $id
PackageVersion: $version
InstallerLocale: ja-JP
InstallerType: nullsoft
Scope: user
InstallModes:
- interactive
- silent
- silentWithProgress
InstallerSwitches:
  Silent: /S
  SilentWithProgress: /S
  InstallLocation: /D=<INSTALLPATH>
UpgradeBehavior: install
ProductCode: $product_code
ReleaseDate: $date
AppsAndFeaturesEntries:
- DisplayName: Marilo
  Publisher: $vendor
  DisplayVersion: $version
  ProductCode: $product_code
Installers:
- Architecture: x64
  InstallerUrl: $repo/releases/download/v$version/$setup
  InstallerSha256: $sha
ManifestType: installer
ManifestVersion: 1.6.0
EOF
  } >"$dir/$id.installer.yaml"
  { schema defaultLocale
    cat <<EOF
PackageIdentifier: $id
PackageVersion: $version
PackageLocale: en-US
Publisher: $vendor
PublisherUrl: $repo
PackageName: Marilo
PackageUrl: $repo
License: $licence
LicenseUrl: $repo/blob/v$version/LICENSE
ShortDescription: The tide of a Japanese port in the Windows notification area
Description: |-
  Marilo is a small resident utility that predicts the tide of one chosen port
  on the coasts of Japan (and three western Pacific ports) from its own table
  of harmonic constants: the level now, the day's high and low waters, the moon
  age and the traditional tide name, in the notification area and its menu.
  No network, no data file.
Moniker: marilo
Tags:
- tide
- japan
- tray
ReleaseNotesUrl: $repo/releases/tag/v$version
ManifestType: defaultLocale
ManifestVersion: 1.6.0
EOF
  } >"$dir/$id.locale.en-US.yaml"
  { schema locale
    cat <<EOF
PackageIdentifier: $id
PackageVersion: $version
PackageLocale: ja-JP
Publisher: $vendor
PackageName: Marilo
License: $licence
LicenseUrl: $repo/blob/v$version/LICENSE
ShortDescription: 日本の港の潮汐を Windows の通知領域に表示する常駐ツール
Description: |-
  Marilo は、選んだ港の潮汐を内蔵の調和定数から予測し、通知領域に表示する
  小さな常駐ツールです。現在の潮位、その日の満潮と干潮、月齢、潮名（大潮・
  中潮・小潮・長潮・若潮）をアイコンとメニューで示します。ネットワークも
  データファイルも使いません。
Tags:
- 潮汐
- 潮見表
- タスクトレイ
ManifestType: locale
ManifestVersion: 1.6.0
EOF
  } >"$dir/$id.locale.ja-JP.yaml"
  unset -f schema
else
  echo "No repository URL (--repository, GITHUB_REPOSITORY or an https remote \"origin\"): no winget manifests"
fi

echo
echo "Marilo $version, from $(git rev-parse --short HEAD)$([ "$dirty" = 1 ] && [ -n "$(git status --porcelain)" ] && echo ' with uncommitted changes'), in $out:"
(cd "$out" && for f in "$setup" "$zip"; do printf '  %-34s %9d bytes%s\n' "$f" "$(stat -c %s "$f")" "$([ -n "$pfx" ] && echo ', signed')"; done)
echo "  SHA256SUMS:"
sed 's/^/    /' "$out/SHA256SUMS"
[ ! -d "$out/winget" ] || (cd "$out" && find winget -type f | sort | sed 's/^/  /')
