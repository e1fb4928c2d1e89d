// Remote directory listings: the LIST answer of the directory is read whole and parsed here, one
// find record per entry; the caller filters the names with Windows rules. libcurl's wildcard
// mode is not used: it leaks memory for every entry it parses.
#include "ftplistparse.h"
#include "inetchannel.h"

#include <cstdlib>
#include <cstring>
#include <ctime>

BOOL CFtpConnection::List(const std::string& directory, std::vector<WIN32_FIND_DATA>& entries)
{
    std::string text;
    bool ran = false;
    try {
        BeginRequest(this, m_dwContext);
        winport::InetChannel& channel = Channel();
        std::string url = Url(directory, true);
        curl_easy_setopt(channel.Easy(), CURLOPT_URL, url.c_str());
        ran = true;
        channel.Start();
        char block[16384];
        for (size_t got; (got = channel.Read(block, sizeof block)) > 0;)
            text.append(block, got);
    } catch (CInternetException* e) {
        RecordFailure(e);
        // Some servers answer an empty directory as "not found" after a complete listing.
        if (!ran || !m_channel || m_channel->Result() != CURLE_REMOTE_FILE_NOT_FOUND)
            return FALSE;
        for (const auto& line : m_channel->Replies()) {
            if (line.rfind("226", 0) == 0)
                return TRUE;
        }
        return FALSE;
    }
    const time_t now = time(nullptr);
    size_t start = 0;
    while (start < text.size()) {
        size_t end = text.find('\n', start);
        if (end == std::string::npos)
            end = text.size();
        std::string line = text.substr(start, end - start);
        if (!line.empty() && line.back() == '\r')
            line.pop_back();
        WIN32_FIND_DATA record;
        if (winport::ParseListLine(line, now, record))
            entries.push_back(record);
        start = end + 1;
    }
    return TRUE;
}

BOOL CFtpConnection::Stat(const std::string& path, WIN32_FIND_DATA& record)
{
    if (!m_mlst || !m_channel || path.empty() || std::strpbrk(path.c_str(), "\r\n"))
        return FALSE;
    try {
        Commands({ "MLST " + path });
    } catch (CInternetException* e) {
        e->Delete();
        // 500, 501, 502, 504: the command itself is unknown here; 550 and the like: the path.
        long code = std::atol(m_strLastResponse.GetString());
        if (code >= 500 && code <= 504 && code != 503)
            m_mlst = false;
        return FALSE;
    }
    const std::string name = path.substr(path.rfind('/') + 1);
    for (const auto& line : m_channel->Replies()) {
        if (!line.empty() && line[0] == ' ' && winport::ParseMlstFacts(line, name, record))
            return TRUE;
    }
    m_mlst = false;
    return FALSE;
}
