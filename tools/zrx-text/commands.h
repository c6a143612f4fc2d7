#pragma once
// The command table of the text player: every command with its Hungarian name, short
// English aliases, arguments, help text and handler. Adding a command is one row.
#include <ostream>
#include <string>
#include <vector>

namespace zrx {

class Session;

// A command's words after its name, and the text after its name as typed.
struct CommandArgs {
  std::vector<std::string> words;
  std::string rest;
};

struct Command {
  std::vector<std::string> names;  // the Hungarian name first, then the aliases
  std::string arguments;
  std::string help;
  bool (*handler)(Session&, const CommandArgs&);  // false when the command failed
};

const std::vector<Command>& CommandTable();
// The command named by a word (name or alias), or null.
const Command* FindCommand(const std::string& word);
// Runs one command line; a bare number chooses that continuation. False when it failed.
bool RunCommand(Session& session, const std::string& line);
void PrintHelp(std::ostream& out);

}  // namespace zrx
