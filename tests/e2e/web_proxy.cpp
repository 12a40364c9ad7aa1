// Winsock 2 wants windows.h without the old winsock.h.
#define WIN32_LEAN_AND_MEAN
#include "tests/e2e/web_proxy.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

namespace orvane::e2e {
namespace {

constexpr const wchar_t* kInternetSettings =
    L"Software\\Microsoft\\Windows\\CurrentVersion\\Internet Settings";
constexpr const wchar_t* kClients = L"SOFTWARE\\Clients\\StartMenuInternet";
constexpr const wchar_t* kBrowserName = L"OrvaneTestBrowser";

std::wstring read_string(HKEY root, const wchar_t* key, const wchar_t* name, bool* found) {
  wchar_t buf[1024] = {};
  DWORD bytes = sizeof buf - sizeof(wchar_t);
  *found = RegGetValueW(root, key, name, RRF_RT_REG_SZ, nullptr, buf, &bytes) == ERROR_SUCCESS;
  return *found ? buf : L"";
}

void write_string(HKEY root, const std::wstring& key, const wchar_t* name, const std::wstring& value) {
  RegSetKeyValueW(root, key.c_str(), name, REG_SZ, value.c_str(),
                  static_cast<DWORD>((value.size() + 1) * sizeof(wchar_t)));
}

// The fake browser beside the test driver.
std::wstring browser_exe() {
  wchar_t self[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, self, MAX_PATH);
  return (std::filesystem::path(self).parent_path() / L"recording_browser.exe").wstring();
}

}  // namespace

WebProxy::WebProxy() {
  WSADATA wsa{};
  if (WSAStartup(MAKEWORD(2, 2), &wsa) != 0) throw std::runtime_error("WSAStartup failed");
  listener_ = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
  sockaddr_in at{};
  at.sin_family = AF_INET;
  at.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  at.sin_port = 0;
  if (listener_ == INVALID_SOCKET || bind(listener_, reinterpret_cast<sockaddr*>(&at), sizeof at) != 0 ||
      listen(listener_, 16) != 0)
    throw std::runtime_error("the test proxy cannot listen");
  int length = sizeof at;
  getsockname(listener_, reinterpret_cast<sockaddr*>(&at), &length);
  port_ = ntohs(at.sin_port);

  DWORD bytes = sizeof old_enable_;
  RegGetValueW(HKEY_CURRENT_USER, kInternetSettings, L"ProxyEnable", RRF_RT_REG_DWORD, nullptr, &old_enable_,
               &bytes);
  old_server_ = read_string(HKEY_CURRENT_USER, kInternetSettings, L"ProxyServer", &had_server_);
  const DWORD on = 1;
  RegSetKeyValueW(HKEY_CURRENT_USER, kInternetSettings, L"ProxyEnable", REG_DWORD, &on, sizeof on);
  write_string(HKEY_CURRENT_USER, kInternetSettings, L"ProxyServer", L"127.0.0.1:" + std::to_wstring(port_));
  // No bypass: every address goes through the proxy.
  RegDeleteKeyValueW(HKEY_CURRENT_USER, kInternetSettings, L"ProxyOverride");
  thread_ = std::thread([this] { run(); });
}

WebProxy::~WebProxy() {
  stopping_ = true;
  closesocket(listener_);
  if (thread_.joinable()) thread_.join();
  RegSetKeyValueW(HKEY_CURRENT_USER, kInternetSettings, L"ProxyEnable", REG_DWORD, &old_enable_,
                  sizeof old_enable_);
  if (had_server_)
    write_string(HKEY_CURRENT_USER, kInternetSettings, L"ProxyServer", old_server_);
  else
    RegDeleteKeyValueW(HKEY_CURRENT_USER, kInternetSettings, L"ProxyServer");
  WSACleanup();
}

void WebProxy::serve(const std::string& url, const std::string& body) {
  const std::lock_guard hold(lock_);
  pages_[url] = body;
}

void WebProxy::hang(const std::string& url) {
  const std::lock_guard hold(lock_);
  hanging_[url] = true;
}

int WebProxy::requests(const std::string& url) {
  const std::lock_guard hold(lock_);
  return requests_[url];
}

void WebProxy::run() {
  std::vector<std::thread> clients;
  while (!stopping_) {
    const SOCKET client = accept(listener_, nullptr, nullptr);
    if (client == INVALID_SOCKET) break;
    clients.emplace_back([this, client] { answer(client); });
  }
  for (auto& t : clients) t.join();
}

void WebProxy::answer(std::uintptr_t client) {
  std::string request;
  char buf[4096];
  while (request.find("\r\n\r\n") == std::string::npos) {
    const int got = recv(client, buf, sizeof buf, 0);
    if (got <= 0) break;
    request.append(buf, static_cast<std::size_t>(got));
  }
  // "GET http://host/path HTTP/1.1": a proxy is asked with the whole address.
  const std::size_t a = request.find(' '), b = request.find(' ', a + 1);
  std::string url = a == std::string::npos || b == std::string::npos ? "" : request.substr(a + 1, b - a - 1);
  // Wine's WinINet names the default port.
  const std::size_t host = url.find("://"), port = url.find(":80/", host == std::string::npos ? 0 : host + 3);
  if (host != std::string::npos && port != std::string::npos && url.find('/', host + 3) == port + 3)
    url.erase(port, 3);
  std::string response;
  bool hang = false;
  {
    const std::lock_guard hold(lock_);
    ++requests_[url];
    hang = hanging_.count(url) != 0;
    auto it = pages_.find(url);
    const bool found = it != pages_.end();
    const std::string body = found ? it->second : "not here";
    response = std::string(found ? "HTTP/1.0 200 OK" : "HTTP/1.0 404 Not Found") +
               "\r\nContent-Type: text/html\r\nContent-Length: " + std::to_string(body.size()) +
               "\r\nConnection: close\r\n\r\n" + body;
  }
  while (hang && !stopping_) Sleep(50);
  if (!hang) {
    std::size_t sent = 0;
    while (sent < response.size()) {
      const int n = send(client, response.data() + sent, static_cast<int>(response.size() - sent), 0);
      if (n <= 0) break;
      sent += static_cast<std::size_t>(n);
    }
  }
  shutdown(client, SD_BOTH);
  closesocket(client);
}

RecordingBrowser::RecordingBrowser(const std::wstring& record_file) {
  old_default_ = read_string(HKEY_LOCAL_MACHINE, kClients, nullptr, &had_default_);
  write_string(HKEY_LOCAL_MACHINE, kClients, nullptr, kBrowserName);
  write_string(HKEY_LOCAL_MACHINE, std::wstring(kClients) + L"\\" + kBrowserName + L"\\shell\\open\\command",
               nullptr, L"\"" + browser_exe() + L"\" \"" + record_file + L"\"");
}

RecordingBrowser::~RecordingBrowser() {
  if (had_default_)
    write_string(HKEY_LOCAL_MACHINE, kClients, nullptr, old_default_);
  else
    RegDeleteKeyValueW(HKEY_LOCAL_MACHINE, kClients, nullptr);
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, (std::wstring(kClients) + L"\\" + kBrowserName).c_str());
}

}  // namespace orvane::e2e
