// Working settings: the current contents of the settings window's named controls, read at the
// moment of use. Before the window is first opened and after it is closed, every read gives the
// control's initial value and appendLog / mirrorSend do nothing.
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace taoke {

std::string readText(std::string_view setting);
bool readCheck(std::string_view setting);
std::vector<std::string> readList(std::string_view setting);
std::vector<std::pair<std::string, std::string>> readTable(std::string_view setting);
void writeText(std::string_view setting, std::string_view text);

// Appends the text at the end of 编辑框_日志, adding nothing.
void appendLog(std::string_view text);
// Writes the text's GBK bytes on the mirror client 客户1 when it is connected.
void mirrorSend(std::string_view text);
bool windowCreated();

}  // namespace taoke
