# The start every script that runs the player on a virtual X display shares, sourced with the
# script's arguments SOURCE_DIR BUILD_DIR: what a person should look at goes to
# BUILD_DIR/artefacts, the rest to a scratch folder removed at the end.
source_dir=$1
build_dir=$2
artefacts="$build_dir/artefacts"
mkdir -p "$artefacts"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
