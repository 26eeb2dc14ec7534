#pragma once
// Runs an action in a child process, where it may change what the test
// program must keep (its user, its address space). The child's exit status
// is the action's.

#include <QtGlobal>

#ifdef Q_OS_UNIX
#include <cstdio>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

// The action's status (0 to 124), 125 when it raised, or -1 when the child
// did not end by itself.
inline int dans_un_enfant(const std::function<int()>& action) {
    const pid_t enfant = fork();
    if (enfant == 0) {
        // Nothing may leave the child but its status: an exception would end
        // in the test program's own handler, which goes on in the child.
        int statut = 125;
        try {
            statut = action();
        } catch (...) {}
        _exit(statut);
    }
    int etat = 0;
    if (enfant < 0 || waitpid(enfant, &etat, 0) != enfant || !WIFEXITED(etat)) return -1;
    return WEXITSTATUS(etat);
}

// The same with the child's address space limited to what it has and
// `octets_de_plus`, as on a machine whose memory a file is far larger than:
// an allocation beyond the limit fails as it would there. 126: no limit set.
inline int avec_memoire_limitee(rlim_t octets_de_plus, const std::function<int()>& action) {
    return dans_un_enfant([&] {
        long pages = 0;
        if (FILE* statm = std::fopen("/proc/self/statm", "r")) {
            if (std::fscanf(statm, "%ld", &pages) != 1) pages = 0;
            std::fclose(statm);
        }
        const rlim_t deja = static_cast<rlim_t>(pages) * static_cast<rlim_t>(sysconf(_SC_PAGESIZE));
        const rlimit limite{deja + octets_de_plus, deja + octets_de_plus};
        if (pages == 0 || setrlimit(RLIMIT_AS, &limite) != 0) return 126;
        return action();
    });
}
#endif
