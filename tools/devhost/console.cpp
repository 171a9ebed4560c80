#include "console.h"

#include <ostream>
#include <vector>

#include "command_words.h"
#include "export_calls.h"
#include "tnoffer_control.h"
#include "util/charset.h"
#include "util/gbk_text.h"

namespace taoke::devhost {
namespace {

struct CommandHelp {
  const char* usage;
  const char* what;
};

// Every console command, in the order `help` lists them (literals are GBK, like all the plug-in's). TEXT is the rest of the line (or one
// quoted text); \n, \r and \t stand for line breaks and tabs in it.
const CommandHelp kCommands[] = {
    {"", "Host data (what the host's list functions answer)"},
    {"account QQ", "adds a login account; the first one is the robot account"},
    {"group GROUP NAME", "adds a group that TN_getGroupList lists"},
    {"member GROUP QQ NICK [CARD]", "adds a member of a group (TN_getGroupMemberList, TN_getGroupMemberCard)"},
    {"friend QQ NAME", "adds a friend (TN_getFriendList)"},
    {"answer FUNCTION TEXT", "gives a host text function a fixed answer, e.g. answer TN_getGroupList \"\""},
    {"", "Events and menu entries"},
    {"groupmsg ROBOT GROUP TEXT", "a group message: _eventGroupMsg with robot, group and message text"},
    {"privatemsg ROBOT TYPE FIRST SECOND TEXT", "a private message: _eventPrivateMsg, FIRST = words 6-7, SECOND = words 8-9"},
    {"notice ROBOT TYPE GROUP QQ NUMBER TEXT1 [TEXT2]", "a group notice: _eventPushMsgEvent (texts as quoted words)"},
    {"joinrequest ROBOT TYPE REQUEST", "a group join request: _eventRequest_AddGroup with the request text"},
    {"event EXPORT WORD...", "calls any export with all its words; `exports` lists them"},
    {"exports", "lists every export with its words"},
    {"menuA", "the first menu entry: opens the settings window (also: open)"},
    {"menuB", "the second menu entry"},
    {"appinfo", "prints the manifest"},
    {"initialize CODE [SECOND]", "calls Initialize again with another authorisation code"},
    {"", "Settings window (control names as in the window, e.g. 选择框_开始转链)"},
    {"set CONTROL TEXT", "sets an edit box's text"},
    {"get CONTROL", "prints a control's text (check boxes 1/0, lists one item a line)"},
    {"check CONTROL on|off", "sets a check box"},
    {"select CONTROL INDEX", "selects a list item or list view row (0-based, -1 clears)"},
    {"click BUTTON", "clicks a button"},
    {"log", "prints the whole log box"},
    {"isopen", "tells whether the window is open"},
    {"close", "closes the window"},
    {"wait MS", "lets MS milliseconds pass while the window's timers run"},
    {"", "Console"},
    {"echo TEXT", "prints the text"},
    {"help", "this list"},
    {"quit", "ends the console (also: exit, end of input)"},
};

std::string toGbk(const std::string& utf8) { return utf8ToGbk(utf8); }

std::string toTerminal(const std::string& gbk) { return gbkToUtf8(gbk); }

std::string lineForTerminal(const std::string& gbkLine) { return replaceAll(toTerminal(gbkLine), "\t", " "); }

long long requireNumber(const std::vector<Word>& words, std::size_t index, const char* what);

}  // namespace

template <class Function>
Function Console::ui(const char* name) const {
  auto function = plugin_.function<Function>(name);
  if (function == nullptr) throw Failure{std::string("the plug-in has no ") + name};
  return function;
}

namespace {

long long requireNumber(const std::vector<Word>& words, std::size_t index, const char* what) {
  if (index >= words.size()) throw std::string("missing ") + what;
  const std::optional<long long> number = parseNumber(words[index].text);
  if (!number) throw std::string(what) + " is not a number: " + words[index].text;
  return *number;
}

const std::string& requireWord(const std::vector<Word>& words, std::size_t index, const char* what) {
  if (index >= words.size()) throw std::string("missing ") + what;
  return words[index].text;
}

}  // namespace

void Console::printHelp(std::ostream& out) {
  for (const CommandHelp& command : kCommands) {
    if (*command.usage == '\0') {
      out << "\n" << toTerminal(command.what) << ":\n";
    } else {
      out << "  " << toTerminal(command.usage) << "\n      " << toTerminal(command.what) << "\n";
    }
  }
  out << "\nLines starting with # are comments. Numbers are decimal; a text word is a bare word or\n"
         "\"quoted\" (\\\" \\\\ \\n \\r \\t inside); in `event` the bare word null passes a null text.\n";
}

int Console::checkUi(int result, const std::string& what) {
  if (result != 0) throw Failure{what + ": no open window or no such control"};
  return result;
}

std::string Console::uiText(const std::string& control) {
  const char* text = ui<const char* (*)(const char*)>("uiGetText")(toGbk(control).c_str());
  return text ? text : "";
}

void Console::showWindowOutput() {
  auto isOpen = plugin_.function<int32_t (*)()>("uiIsOpen");
  if (isOpen != nullptr && isOpen() == 1) {
    const char* text = plugin_.function<const char* (*)(const char*)>("uiGetText")("编辑框_日志");
    const std::string log = text ? text : "";
    const std::string added = startsWithText(log, shownLog_) ? log.substr(shownLog_.size()) : log;
    for (const std::string& line : splitText(added, "\r\n")) out_ << "log> " << toTerminal(line) << "\n";
    shownLog_ = log;
  } else {
    shownLog_.clear();
  }
  if (auto takeBoxes = plugin_.function<const char* (*)()>("uiTakeMessageBoxes")) {
    const char* boxes = takeBoxes();
    for (const std::string& box : splitText(boxes ? boxes : "", "\r\n")) {
      const std::vector<std::string> parts = splitText(box, "\t");
      const std::string title = parts.empty() ? "" : parts[0];
      const std::string text = box.size() > title.size() ? box.substr(title.size() + 1) : "";
      out_ << "box> [" << toTerminal(title) << "] " << toTerminal(text) << "\n";
    }
  }
  out_.flush();
}

void Console::pump(long long milliseconds) {
  auto uiPump = ui<int32_t (*)(int32_t)>("uiPump");
  // In slices, so that log lines and message boxes show while the time passes.
  for (long long left = milliseconds; left > 0; left -= 100) {
    uiPump(static_cast<int32_t>(left < 100 ? left : 100));
    showWindowOutput();
  }
}

bool Console::run(const std::string& line) {
  const std::vector<Word> words = splitWords(line);
  if (words.empty() || words[0].text.front() == '#') return true;
  try {
    runCommand(words[0].text, line);
    showWindowOutput();
    return true;
  } catch (const Failure& failure) {
    out_ << "error: " << failure.message << "\n";
  } catch (const std::string& message) {
    out_ << "error: " << message << " (see help)\n";
  }
  showWindowOutput();
  return false;
}

void Console::runCommand(const std::string& command, const std::string& line) {
  const std::vector<Word> w = splitWords(line);
  auto rest = [&](std::size_t count) { return toGbk(restOfLine(line, w, count)); };
  auto result = [&](const char* what, std::optional<std::int64_t> value) {
    if (!value) throw Failure{std::string("the plug-in has no ") + what};
    out_ << what << " -> " << *value << "\n";
  };
  auto callNamed = [&](const char* name, std::vector<ExportArgument> arguments) {
    result(name, callExport(plugin_, *findExport(name), arguments));
  };
  auto numberArgument = [&](std::size_t index, const char* what) {
    return ExportArgument{requireNumber(w, index, what), "", false};
  };
  auto textArgument = [](const std::string& gbk) { return ExportArgument{0, gbk, false}; };
  const ExportArgument zero{};
  const ExportArgument null{0, "", true};

  if (command == "account") {
    tnofferAddLoginAccount(requireNumber(w, 1, "QQ"));
  } else if (command == "group") {
    tnofferAddGroup(requireNumber(w, 1, "GROUP"), rest(2).c_str());
  } else if (command == "member") {
    const std::string nick = toGbk(requireWord(w, 3, "NICK"));
    const std::string card = w.size() > 4 ? rest(4) : std::string();
    tnofferAddMember(requireNumber(w, 1, "GROUP"), requireNumber(w, 2, "QQ"), nick.c_str(), card.c_str());
  } else if (command == "friend") {
    tnofferAddFriend(requireNumber(w, 1, "QQ"), rest(2).c_str());
  } else if (command == "answer") {
    tnofferSetAnswer(requireWord(w, 1, "FUNCTION").c_str(), rest(2).c_str());
  } else if (command == "groupmsg") {
    callNamed("_eventGroupMsg", {numberArgument(1, "ROBOT"), zero, zero, zero, numberArgument(2, "GROUP"), zero, null,
                                 textArgument(rest(3)), null, zero});
  } else if (command == "privatemsg") {
    callNamed("_eventPrivateMsg", {numberArgument(1, "ROBOT"), numberArgument(2, "TYPE"), zero, zero,
                                   numberArgument(3, "FIRST"), numberArgument(4, "SECOND"), null,
                                   textArgument(rest(5)), null, zero});
  } else if (command == "notice") {
    const std::string text1 = toGbk(requireWord(w, 6, "TEXT1"));
    const std::string text2 = w.size() > 7 ? toGbk(w[7].text) : std::string();
    callNamed("_eventPushMsgEvent", {numberArgument(1, "ROBOT"), numberArgument(2, "TYPE"), zero, zero,
                                     numberArgument(3, "GROUP"), numberArgument(4, "QQ"), numberArgument(5, "NUMBER"),
                                     textArgument(text1), textArgument(text2), zero});
  } else if (command == "joinrequest") {
    callNamed("_eventRequest_AddGroup", {numberArgument(1, "ROBOT"), numberArgument(2, "TYPE"), zero, zero, zero, zero,
                                         null, null, textArgument(rest(3))});
  } else if (command == "event") {
    const ExportDescription* description = findExport(requireWord(w, 1, "EXPORT"));
    if (description == nullptr) throw std::string("no export named ") + w[1].text;
    const std::string_view kinds = description->kinds;
    if (w.size() != kinds.size() + 2) {
      throw std::string(description->name) + " takes " + std::to_string(kinds.size()) + " words: " +
          description->parameters;
    }
    std::vector<ExportArgument> arguments;
    for (std::size_t i = 0; i < kinds.size(); ++i) {
      const Word& word = w[i + 2];
      if (kinds[i] != 's') {
        arguments.push_back(numberArgument(i + 2, "a number word"));
      } else if (!word.quoted && word.text == "null") {
        arguments.push_back(null);
      } else {
        arguments.push_back(textArgument(toGbk(word.text)));
      }
    }
    result(description->name, callExport(plugin_, *description, arguments));
  } else if (command == "exports") {
    for (const ExportDescription& description : hostExports()) {
      out_ << "  " << description.name << " " << description.parameters << "\n";
    }
  } else if (command == "menuA" || command == "open") {
    callNamed("_menuA", {});
  } else if (command == "menuB") {
    callNamed("_menuB", {});
  } else if (command == "appinfo") {
    const char* manifest = plugin_.function<const char* (*)()>("AppInfo")();
    out_ << toTerminal(manifest ? manifest : "") << "\n";
  } else if (command == "initialize") {
    callNamed("Initialize", {numberArgument(1, "CODE"), w.size() > 2 ? numberArgument(2, "SECOND") : zero});
  } else if (command == "set") {
    const std::string& control = requireWord(w, 1, "CONTROL");
    checkUi(ui<int32_t (*)(const char*, const char*)>("uiSetText")(toGbk(control).c_str(), rest(2).c_str()),
            "set " + control);
  } else if (command == "get") {
    const std::string text = uiText(requireWord(w, 1, "CONTROL"));
    for (const std::string& item : splitText(text, "\r\n")) out_ << "  " << lineForTerminal(item) << "\n";
  } else if (command == "check") {
    const std::string& control = requireWord(w, 1, "CONTROL");
    const std::string& state = requireWord(w, 2, "on|off");
    if (state != "on" && state != "off" && state != "1" && state != "0") throw std::string("check takes on or off");
    const int on = state == "on" || state == "1" ? 1 : 0;
    checkUi(ui<int32_t (*)(const char*, int32_t)>("uiSetCheck")(toGbk(control).c_str(), on), "check " + control);
  } else if (command == "select") {
    const std::string& control = requireWord(w, 1, "CONTROL");
    const auto index = static_cast<int32_t>(requireNumber(w, 2, "INDEX"));
    checkUi(ui<int32_t (*)(const char*, int32_t)>("uiSelect")(toGbk(control).c_str(), index), "select " + control);
  } else if (command == "click") {
    const std::string& button = requireWord(w, 1, "BUTTON");
    checkUi(ui<int32_t (*)(const char*)>("uiClick")(toGbk(button).c_str()), "click " + button);
  } else if (command == "log") {
    for (const std::string& item : splitText(uiText("编辑框_日志"), "\r\n")) out_ << "  " << toTerminal(item) << "\n";
  } else if (command == "isopen") {
    out_ << (ui<int32_t (*)()>("uiIsOpen")() == 1 ? "open" : "not open") << "\n";
  } else if (command == "close") {
    ui<int32_t (*)()>("uiClose")();
  } else if (command == "wait") {
    pump(requireNumber(w, 1, "MS"));
  } else if (command == "echo") {
    out_ << restOfLine(line, w, 1) << "\n";
  } else if (command == "help") {
    printHelp(out_);
  } else if (command == "quit" || command == "exit") {
    finished_ = true;
  } else {
    throw std::string("unknown command ") + command;
  }
}

}  // namespace taoke::devhost
