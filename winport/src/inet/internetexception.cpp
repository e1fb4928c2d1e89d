// CInternetException and the translation of libcurl results into WinInet error codes.
#include "inetchannel.h"

#include <cstring>

namespace {

struct ErrorText {
    DWORD code;
    const char* text;
};

const ErrorText kErrorTexts[] = {
    { ERROR_INTERNET_OUT_OF_HANDLES, "No more handles could be generated at this time" },
    { ERROR_INTERNET_TIMEOUT, "The operation timed out" },
    { ERROR_INTERNET_EXTENDED_ERROR, "An extended error was returned from the server" },
    { ERROR_INTERNET_INTERNAL_ERROR, "An internal error occurred" },
    { ERROR_INTERNET_INVALID_URL, "The URL is invalid" },
    { ERROR_INTERNET_UNRECOGNIZED_SCHEME,
        "The URL scheme could not be recognized, or is not "
        "supported" },
    { ERROR_INTERNET_NAME_NOT_RESOLVED, "The server name or address could not be resolved" },
    { ERROR_INTERNET_LOGIN_FAILURE, "The login request was denied" },
    { ERROR_INTERNET_INVALID_OPERATION, "The operation is invalid" },
    { ERROR_INTERNET_INCORRECT_HANDLE_STATE,
        "The handle is in the wrong state for the requested "
        "operation" },
    { ERROR_INTERNET_CANNOT_CONNECT, "A connection with the server could not be established" },
    { ERROR_INTERNET_CONNECTION_ABORTED,
        "The connection with the server was terminated "
        "abnormally" },
    { ERROR_INTERNET_CONNECTION_RESET, "The connection with the server was reset" },
    { ERROR_FTP_TRANSFER_IN_PROGRESS,
        "There is already an FTP request in progress on this "
        "session" },
    { ERROR_FTP_DROPPED, "The FTP operation was not completed because the session was aborted" },
    { ERROR_HTTP_HEADER_NOT_FOUND, "The header could not be found" },
    { ERROR_HTTP_INVALID_SERVER_RESPONSE, "The server response could not be parsed" },
    { ERROR_HTTP_INVALID_HEADER, "The supplied header is invalid" },
};

const char* TextOf(DWORD code)
{
    for (const auto& entry : kErrorTexts) {
        if (entry.code == code)
            return entry.text;
    }
    return "An internet operation failed";
}

}

CInternetException::CInternetException(DWORD error, const char* message, DWORD_PTR context)
    : CException(TRUE)
    , m_dwError(error)
    , m_dwContext(context)
    , m_message(message ? message : TextOf(error))
{
}

BOOL CInternetException::GetErrorMessage(LPTSTR buffer, UINT maxChars, PUINT helpContext) const
{
    if (helpContext)
        *helpContext = 0;
    if (!buffer || maxChars == 0)
        return FALSE;
    size_t n = std::min<size_t>(maxChars - 1, static_cast<size_t>(m_message.GetLength()));
    std::memcpy(buffer, m_message.GetString(), n);
    buffer[n] = 0;
    return m_message.IsEmpty() ? FALSE : TRUE;
}

void AfxThrowInternetException(DWORD_PTR context, DWORD error)
{
    throw new CInternetException(error, nullptr, context);
}

namespace winport {

DWORD InternetErrorFromCurl(CURLcode code)
{
    switch (code) {
    case CURLE_COULDNT_RESOLVE_HOST:
    case CURLE_COULDNT_RESOLVE_PROXY:
        return ERROR_INTERNET_NAME_NOT_RESOLVED;
    case CURLE_COULDNT_CONNECT:
    case CURLE_FTP_ACCEPT_FAILED:
    case CURLE_FTP_ACCEPT_TIMEOUT:
    case CURLE_FTP_CANT_GET_HOST:
    case CURLE_FTP_PORT_FAILED:
        return ERROR_INTERNET_CANNOT_CONNECT;
    case CURLE_LOGIN_DENIED:
        return ERROR_INTERNET_LOGIN_FAILURE;
    case CURLE_OPERATION_TIMEDOUT:
        return ERROR_INTERNET_TIMEOUT;
    case CURLE_URL_MALFORMAT:
        return ERROR_INTERNET_INVALID_URL;
    case CURLE_UNSUPPORTED_PROTOCOL:
        return ERROR_INTERNET_UNRECOGNIZED_SCHEME;
    case CURLE_REMOTE_FILE_NOT_FOUND:
    case CURLE_REMOTE_ACCESS_DENIED:
    case CURLE_QUOTE_ERROR:
    case CURLE_UPLOAD_FAILED:
    case CURLE_FTP_COULDNT_RETR_FILE:
    case CURLE_FTP_COULDNT_SET_TYPE:
    case CURLE_REMOTE_DISK_FULL:
    case CURLE_REMOTE_FILE_EXISTS:
        return ERROR_INTERNET_EXTENDED_ERROR;
    case CURLE_SEND_ERROR:
    case CURLE_RECV_ERROR:
    case CURLE_PARTIAL_FILE:
    case CURLE_GOT_NOTHING:
    case CURLE_FTP_WEIRD_PASV_REPLY:
    case CURLE_FTP_WEIRD_227_FORMAT:
    case CURLE_WEIRD_SERVER_REPLY:
        return ERROR_INTERNET_CONNECTION_ABORTED;
    case CURLE_OUT_OF_MEMORY:
        return ERROR_INTERNET_OUT_OF_HANDLES;
    case CURLE_ABORTED_BY_CALLBACK:
        return ERROR_INTERNET_OPERATION_CANCELLED;
    default:
        return ERROR_INTERNET_INTERNAL_ERROR;
    }
}

void ThrowCurlError(CURLcode code, const std::string& detail, DWORD_PTR context)
{
    std::string text = curl_easy_strerror(code);
    if (!detail.empty())
        text += " (" + detail + ")";
    throw new CInternetException(InternetErrorFromCurl(code), text.c_str(), context);
}

}
