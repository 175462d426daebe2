# Sourced by the scripts that build a library for Windows from Debian's own
# source package (Qt, pugixml).
#
# debian_source DIR RELEASE PACKAGE=VERSION [--print-uris]: fetches and
# unpacks the source package into DIR, or with --print-uris only prints what
# it would fetch. It uses a private apt configuration with one deb-src entry
# for that release: the system's sources stay untouched, and apt still checks
# the release signatures against Debian's archive keyring.
debian_source() {
    local dir=$1 release=$2 package=$3 mode=${4:-}
    local apt_dir=$dir/apt
    mkdir -p "$apt_dir/lists/partial" "$apt_dir/cache/archives/partial"
    echo "deb-src [signed-by=/usr/share/keyrings/debian-archive-keyring.gpg]" \
        "http://deb.debian.org/debian $release main" >"$apt_dir/sources.list"
    local apt_opts=(-o "Dir::Etc::SourceList=$apt_dir/sources.list" -o "Dir::Etc::SourceParts=-"
                    -o "Dir::State::Lists=$apt_dir/lists" -o "Dir::Cache=$apt_dir/cache"
                    -o "Dir::State::status=/var/lib/dpkg/status" -o "APT::Sandbox::User=root")
    apt-get "${apt_opts[@]}" update >&2
    if [ "$mode" = --print-uris ]; then
        (cd "$dir" && apt-get "${apt_opts[@]}" --print-uris --download-only source "$package")
    else
        (cd "$dir" && apt-get "${apt_opts[@]}" source "$package") >&2
    fi
}
