// A web proxy on 127.0.0.1 for the end-to-end tests: the program's own
// addresses stay as shipped, and the Wine prefix's Internet settings send
// WinINet here while a test runs. It answers from a table of pages.
#pragma once

#include <windows.h>

#include <atomic>
#include <cstdint>
#include <map>
#include <mutex>
#include <string>
#include <thread>

namespace orvane::e2e {

class WebProxy {
 public:
  WebProxy();   // listens, and points the prefix's proxy setting at itself
  ~WebProxy();  // restores the setting
  WebProxy(const WebProxy&) = delete;
  WebProxy& operator=(const WebProxy&) = delete;

  // The body for an absolute address; any other address gets a 404.
  void serve(const std::string& url, const std::string& body);
  // Requests of this address get no answer until the proxy ends.
  void hang(const std::string& url);
  int requests(const std::string& url);
  int port() const { return port_; }

 private:
  void run();
  void answer(std::uintptr_t client);

  std::uintptr_t listener_;
  int port_ = 0;
  std::atomic<bool> stopping_{false};
  std::mutex lock_;
  std::map<std::string, std::string> pages_;
  std::map<std::string, bool> hanging_;
  std::map<std::string, int> requests_;
  std::thread thread_;
  DWORD old_enable_ = 0;
  std::wstring old_server_;
  bool had_server_ = false;
};

// Registers a default browser under HKLM\SOFTWARE\Clients\StartMenuInternet
// whose command records its arguments, one a line, in a file; put back at
// the end.
class RecordingBrowser {
 public:
  explicit RecordingBrowser(const std::wstring& record_file);
  ~RecordingBrowser();
  RecordingBrowser(const RecordingBrowser&) = delete;
  RecordingBrowser& operator=(const RecordingBrowser&) = delete;

 private:
  std::wstring old_default_;
  bool had_default_ = false;
};

}  // namespace orvane::e2e
