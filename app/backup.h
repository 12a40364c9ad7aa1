// Backup and restore of the event list through the common file dialogs
// (menu "备份恢复").
#pragma once

#include <string>
#include <string_view>

namespace orvane::app {

// The backup's file name: the chosen one, with ".txt" appended unless it ends
// in exactly ".txt" (letter case counts).
std::string backup_file_name(std::string_view chosen);

// "备份": copies Orvane.txt to a file the user chooses.
void back_up_event_list();
// "恢复": replaces Orvane.txt by a copy of a file the user chooses and
// rebuilds the board; a failure leaves Orvane.txt as it was.
void restore_event_list();

void connect_backup();

}  // namespace orvane::app
