# Online content: links, marker pages, promotion labels. Shared by the product
# and the native tests; the marker page code also by the fuzzers and tools.
set(ORVANE_MARKER_PAGE_SOURCES
  online/marker_page.cpp
)
set(ORVANE_ONLINE_SOURCES
  ${ORVANE_MARKER_PAGE_SOURCES}
  online/mini_window.cpp
  online/mini_window_design.cpp
  online/open_url.cpp
  online/page_fetch.cpp
  online/promotion_labels.cpp
)
# AES outside Windows (OpenSSL's libcrypto).
set(ORVANE_AES_NATIVE_SOURCES
  platform/aes_openssl.cpp
)
