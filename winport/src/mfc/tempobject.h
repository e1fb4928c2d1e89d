// Temporary wrappers handed out by FromHandle: they never own (or delete) their handle.
#pragma once

namespace winport {
template <class T> struct Temporary {
    T object;
    ~Temporary() { object.Detach(); }
};
}
