// Files that are not regular files, in a test's folder: a FIFO, a socket, a symbolic link
// to the FIFO and, where the system allows making one, a character device like /dev/null.
// The FIFO's two ends stay open until the end, so that an open that should not happen
// cannot hang the test.
#pragma once

#include <fcntl.h>
#include <sys/socket.h>
#include <sys/stat.h>
#include <sys/sysmacros.h>
#include <sys/un.h>
#include <unistd.h>

#include <cstring>
#include <string>
#include <vector>

#include "tests/core/TempFolder.h"

class NonRegularFiles {
public:
    explicit NonRegularFiles(const TempFolder& folder)
    {
        mkfifo(folder.Path("fifo").c_str(), 0666);
        m_hFifo = open(folder.Path("fifo").c_str(), O_RDWR | O_NONBLOCK);
        m_hSocket = socket(AF_UNIX, SOCK_STREAM, 0);
        sockaddr_un address = {};
        address.sun_family = AF_UNIX;
        std::strncpy(address.sun_path, folder.Path("socket").c_str(), sizeof(address.sun_path) - 1);
        bind(m_hSocket, reinterpret_cast<sockaddr*>(&address), sizeof(address));
        symlink("fifo", folder.Path("to-fifo").c_str());
        m_names = {"fifo", "socket", "to-fifo"};
        if (mknod(folder.Path("null").c_str(), S_IFCHR | 0666, makedev(1, 3)) == 0) {
            m_names.push_back("null");
        }
        for (const std::string& name : m_names) {
            m_bValid = m_bValid && Mode(folder.Path(name)) != 0;
        }
        m_bValid = m_bValid && m_hFifo >= 0;
    }
    ~NonRegularFiles()
    {
        close(m_hSocket);
        close(m_hFifo);
    }
    NonRegularFiles(const NonRegularFiles&) = delete;
    NonRegularFiles& operator=(const NonRegularFiles&) = delete;

    // The type and permissions of what path names itself (a link is not followed); 0 when
    // there is nothing.
    static mode_t Mode(const std::string& path)
    {
        struct stat st;
        return lstat(path.c_str(), &st) == 0 ? st.st_mode : 0;
    }

    bool IsValid() const { return m_bValid; }
    const std::vector<std::string>& Names() const { return m_names; }

private:
    std::vector<std::string> m_names;
    int m_hFifo = -1;
    int m_hSocket = -1;
    bool m_bValid = true;
};
