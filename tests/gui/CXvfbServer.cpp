#include "tests/gui/CXvfbServer.h"

#include <fcntl.h>
#include <poll.h>
#include <sys/resource.h>
#include <unistd.h>

bool CXvfbServer::Start()
{
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) {
        m_strError = "no pipe";
        return false;
    }
    // The write end must reach Xvfb: a copy without close-on-exec.
    int fdWrite = fcntl(fds[1], F_DUPFD, 10);
    close(fds[1]);
    // -noreset: SDL's start-up opens and closes a probe connection.
    std::vector<std::string> args = {XVFB_PROGRAM, "-displayfd", std::to_string(fdWrite), "-noreset", "-nolisten",
                                     "tcp", "-screen", "0", m_strScreen};
    if (!m_strAuthFile.empty())
        args.insert(args.end(), {"-auth", m_strAuthFile});
    bool bStarted = m_process.Start(args, {}, fdWrite);
    close(fdWrite);
    std::string strNumber;
    while (bStarted) {
        pollfd pfd = {fds[0], POLLIN, 0};
        char c = 0;
        if (poll(&pfd, 1, 10000) <= 0 || read(fds[0], &c, 1) != 1 || c == '\n')
            break;
        strNumber += c;
    }
    close(fds[0]);
    if (strNumber.empty()) {
        m_strError = bStarted ? "Xvfb gave no display number" : "Xvfb did not start";
        return false;
    }
    m_strDisplay = ":" + strNumber;
    return true;
}

bool CXvfbServer::SetNice(int nNice) { return setpriority(PRIO_PROCESS, m_process.m_pid, nNice) == 0; }
