#!/usr/bin/env bash
# Our MIME type on a database built from our package alone (beside the system's): a data file is
# ours by its content, whatever its name; another .dat file and the data file's side file are not.
# The same package with a "*.dat" glob, however low its weight, claims every .dat file: a glob
# that is the only one to match a name wins before any content is read. That is why the package
# has none.
# Arguments: the probe program, the package XML, a data file and its side file.
set -u
probe=$1 package=$2 data=$3 side=$4
command -v update-mime-database >/dev/null || { echo "SKIP: update-mime-database (shared-mime-info) is not installed"; exit 77; }
tmp=$(mktemp -d) && trap 'rm -rf "$tmp"' EXIT
type=$(sed -n 's/.*<mime-type type="\([^"]*\)".*/\1/p' "$package")

# Two databases: the package as shipped, and with the glob a name-based rule would add.
mkdir -p "$tmp/shipped/mime/packages" "$tmp/globbed/mime/packages" "$tmp/files" "$tmp/home"
cp "$package" "$tmp/shipped/mime/packages/mk21cps.xml"
sed 's|<magic|<glob pattern="*.dat" weight="5"/><magic|' "$package" >"$tmp/globbed/mime/packages/mk21cps.xml"
for db in shipped globbed; do
    update-mime-database "$tmp/$db/mime" 2>/dev/null || { echo "FAIL: update-mime-database refuses the $db package"; exit 1; }
done

cp "$data" "$tmp/files/radio.dat"
cp "$data" "$tmp/files/radio-without-extension"
cp "$side" "$tmp/files/radio.NVD"
head -c 8595 /dev/zero >"$tmp/files/other.dat"
printf 'V2001 is not a data file\n' >"$tmp/files/short.dat"

failures=0
# database; file; ours (yes/no)
while read -r db file ours; do
    got=$(XDG_DATA_HOME="$tmp/home" XDG_DATA_DIRS="$tmp/$db:/usr/share" "$probe" "$tmp/files/$file" | cut -f2)
    is_ours=no
    [[ $got == "$type" ]] && is_ours=yes
    if [[ $is_ours != "$ours" ]]; then
        echo "FAIL: $db database: $file is '$got'; ours: $is_ours, want $ours"
        failures=$((failures + 1))
    fi
done <<'TABLE'
shipped radio.dat yes
shipped radio-without-extension yes
shipped other.dat no
shipped short.dat no
shipped radio.NVD no
globbed other.dat yes
TABLE
[[ $failures -eq 0 ]]
