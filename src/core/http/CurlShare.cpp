#include "CurlShare.h"

#include "URLSource2.h"

#include <cstring>
#include <mutex>
#include <vector>

namespace {

struct Share {
    Share() {
        curl_global_init(CURL_GLOBAL_ALL);
        handle = curl_share_init();
        curl_share_setopt(handle, CURLSHOPT_LOCKFUNC, Lock);
        curl_share_setopt(handle, CURLSHOPT_UNLOCKFUNC, Unlock);
        curl_share_setopt(handle, CURLSHOPT_USERDATA, this);
        for (curl_lock_data data : {CURL_LOCK_DATA_COOKIE, CURL_LOCK_DATA_DNS, CURL_LOCK_DATA_SSL_SESSION,
                                    CURL_LOCK_DATA_PSL})
            curl_share_setopt(handle, CURLSHOPT_SHARE, data);
    }

    static void Lock(CURL*, curl_lock_data data, curl_lock_access, void* user) {
        static_cast<Share*>(user)->locks[data].lock();
    }
    static void Unlock(CURL*, curl_lock_data data, void* user) {
        static_cast<Share*>(user)->locks[data].unlock();
    }

    CURLSH* handle;
    std::mutex locks[CURL_LOCK_DATA_LAST];
};

// Never destroyed: threads that outlive main may still be fetching when the process ends.
Share& TheShare() {
    static Share* share = new Share;
    return *share;
}

std::mutex g_poolLock;
std::vector<CURL*>& Pool() {
    static auto* pool = new std::vector<CURL*>;
    return *pool;
}

std::mutex g_caLock;
QString g_caFile;

} // namespace

CURLSH* SharedCurl() {
    return TheShare().handle;
}

PooledHandle::PooledHandle() {
    SharedCurl();
    {
        const std::lock_guard<std::mutex> lock(g_poolLock);
        if (!Pool().empty()) {
            m_handle = Pool().back();
            Pool().pop_back();
        } else {
            m_handle = nullptr;
        }
    }
    if (m_handle)
        return;
    // Handles are never reset (a reset loses the cookie engine's file list); each fetch sets every
    // option it depends on.
    m_handle = curl_easy_init();
    curl_easy_setopt(m_handle, CURLOPT_SHARE, SharedCurl());
    curl_easy_setopt(m_handle, CURLOPT_COOKIEFILE, ""); // the cookie engine, fed from the share
}

PooledHandle::~PooledHandle() {
    const std::lock_guard<std::mutex> lock(g_poolLock);
    Pool().push_back(m_handle);
}

void SetHttpCaFile(const QString& path) {
    const std::lock_guard<std::mutex> lock(g_caLock);
    g_caFile = path;
}

const char* DefaultCaFile() {
    static const char* file = [] {
        CURL* probe = curl_easy_init();
        char* path = nullptr;
        curl_easy_getinfo(probe, CURLINFO_CAINFO, &path);
        const char* copy = path ? strdup(path) : nullptr;
        curl_easy_cleanup(probe);
        return copy;
    }();
    return file;
}

QString HttpCaFile() {
    const std::lock_guard<std::mutex> lock(g_caLock);
    return g_caFile;
}
