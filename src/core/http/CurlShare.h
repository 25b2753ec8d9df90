// libcurl for the whole process: initialised once, one share of cookies, DNS answers and TLS
// sessions, and a pool of easy handles that keep their connections between fetches. A handle is
// used by one transfer at a time.
#pragma once

#include <curl/curl.h>

#include <QString>

CURLSH* SharedCurl();

// A handle out of the pool (reset, attached to the share), back into it when this ends.
class PooledHandle {
public:
    PooledHandle();
    ~PooledHandle();
    PooledHandle(const PooledHandle&) = delete;
    PooledHandle& operator=(const PooledHandle&) = delete;
    CURL* get() const { return m_handle; }

private:
    CURL* m_handle;
};

QString HttpCaFile();
// The certificate bundle libcurl was built to use; null when it has none.
const char* DefaultCaFile();
