// The command-line tool's sources, built into the test executable so the tests
// call its commands directly; only main() is left out.
#include "cli/commands.cpp"
#include "cli/convertcommand.cpp"
#include "cli/democommand.cpp"
#include "cli/holidayscommand.cpp"
#include "cli/jsonitemreader.cpp"
#include "cli/jsonwriter.cpp"
#include "cli/monthjson.cpp"
#include "cli/statscommand.cpp"
#include "cli/statsjson.cpp"
