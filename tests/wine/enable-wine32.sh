#!/usr/bin/env bash
# Makes `wine` able to run 32-bit Windows programs on an x86-64 Debian 12 machine whose kernel
# cannot execute 32-bit x86 code (a PVM guest: /lib/ld-linux.so.2 fails with "Exec format error").
# Run as root (or with sudo) before the Wine tests; it is idempotent and takes about a second once
# everything is in place. On a machine that runs 32-bit code natively it does nothing.
#
# How: 32-bit ELF programs (Wine's 32-bit loader /usr/lib/wine/wine and whatever it starts) are
# registered with binfmt_misc to run under qemu-i386 (package qemu-user-static) through a small
# wrapper that preloads a shim library into each 32-bit process. The shim works around three
# qemu-user 7.2 bugs that otherwise make 32-bit Wine unusable:
#   1. MAP_FIXED_NOREPLACE is treated as a plain hint: Wine's address-space reservation then costs
#      ~50 s of CPU for every process (the "hang" after NtCreateUserProcess).
#   2. sigcontext.trapno is always -1: Wine turns every page fault into an illegal instruction.
#   3. All threads share one GDT: per-thread %fs (Wine's TEB) and %gs (glibc TLS) pick up another
#      thread's base whenever a selector is reloaded (every signal return). The shim moves both to
#      per-thread LDT selectors.
#
# Files: /usr/local/lib/wine-qemu32/{wineqemu32.c,libwineqemu32.so,qemu-i386-wine}, and the
# binfmt_misc entry "qemu-i386-wine". Other enabled binfmt entries for i386 ELF (e.g. a hand-made
# "qemu-i386") are disabled, not removed. A binfmt_misc registration does not survive a reboot:
# run this script again after one.
#
#   WINE32_FORCE_QEMU=1   set up the emulation even if 32-bit code seems to run natively
set -euo pipefail

DIR=/usr/local/lib/wine-qemu32
SHIM=$DIR/libwineqemu32.so
WRAPPER=$DIR/qemu-i386-wine
ENTRY=qemu-i386-wine
BINFMT=/proc/sys/fs/binfmt_misc
# i386 ELF executables and shared objects (e_type 2 or 3, e_machine 3)
MAGIC='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
MASK='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'

log() { printf 'enable-wine32: %s\n' "$*" >&2; }
die() { log "$*"; exit 1; }

SUDO=""
if [ "$(id -u)" != 0 ]; then
  command -v sudo >/dev/null 2>&1 || die "run as root (or install sudo)"
  SUDO=sudo
fi
[ "$(uname -m)" = x86_64 ] || { log "not an x86-64 machine ($(uname -m)): nothing to do"; exit 0; }

have_pkg() { dpkg-query -W -f='${Status}' "$1" 2>/dev/null | grep -q 'install ok installed'; }
APT_UPDATED=0
apt_install() {
  if [ "$APT_UPDATED" = 0 ]; then
    $SUDO apt-get update -qq
    APT_UPDATED=1
  fi
  log "installing $*"
  $SUDO env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends "$@" >/dev/null
}

i386_binfmt_entries() {   # enabled binfmt_misc entries (other than ours) that take i386 ELF
  local f
  [ -r "$BINFMT/status" ] || return 0
  for f in "$BINFMT"/*; do
    case ${f##*/} in register|status|"$ENTRY") continue ;; esac
    grep -qx enabled "$f" 2>/dev/null || continue
    grep -q '^magic 7f454c4601010100000000000000000002000300' "$f" 2>/dev/null && printf '%s\n' "${f##*/}"
  done
  return 0
}

# --- 1. Can this machine run 32-bit x86 code natively? ---------------------------------------
# Quick answer first: with no binfmt_misc entry taking i386 ELF, running the 32-bit dynamic
# loader tells (and needs nothing installed).
if [ "${WINE32_FORCE_QEMU:-0}" != 1 ] && [ -x /lib/ld-linux.so.2 ] && [ -z "$(i386_binfmt_entries)" ] &&
   [ ! -e "$BINFMT/$ENTRY" ] && /lib/ld-linux.so.2 --version >/dev/null 2>&1; then
  log "this machine runs 32-bit x86 code natively: nothing to do"
  exit 0
fi

command -v gcc >/dev/null 2>&1 || apt_install gcc libc6-dev
WORK=$(mktemp -d)
trap 'rm -rf "$WORK"' EXIT

# Otherwise (an emulator may be registered already) ask the CPU: jump to the kernel's 32-bit user
# code segment (0x23) and exit through int 0x80. The byte 0x48 is "dec %eax" in 32-bit mode but a
# REX prefix in 64-bit mode: exit status 42 only if the code really ran as 32-bit code.
cat > "$WORK/native.c" <<'EOF'
#include <string.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>
int main(void)
{
    static const unsigned char code32[] = { 0xb8, 43, 0, 0, 0, 0x48, 0x89, 0xc3, 0xb8, 1, 0, 0, 0, 0xcd, 0x80 };
    unsigned char *p = mmap(NULL, 4096, PROT_READ | PROT_WRITE | PROT_EXEC,
                            MAP_PRIVATE | MAP_ANONYMOUS | MAP_32BIT, -1, 0);
    int status;
    pid_t pid;
    if (p == MAP_FAILED) return 2;
    memcpy(p, code32, sizeof(code32));
    pid = fork();
    if (pid == 0)
    {
        __asm__ volatile("pushq $0x23\n\tpushq %0\n\tlretq" :: "r"((unsigned long)p));
        _exit(3);
    }
    if (pid < 0 || waitpid(pid, &status, 0) != pid) return 2;
    return WIFEXITED(status) && WEXITSTATUS(status) == 42 ? 0 : 1;
}
EOF
gcc -O2 -o "$WORK/native" "$WORK/native.c"

if "$WORK/native" 2>/dev/null && [ "${WINE32_FORCE_QEMU:-0}" != 1 ]; then
  log "this machine runs 32-bit x86 code natively: nothing to do"
  exit 0
fi
log "no native 32-bit x86 support: setting up qemu-i386 for 32-bit Wine"

# --- 2. Packages -------------------------------------------------------------------------------
need=()
have_pkg qemu-user-static || need+=(qemu-user-static)
if ! have_pkg wine32:i386; then
  if ! dpkg --print-foreign-architectures | grep -qx i386; then
    $SUDO dpkg --add-architecture i386
    APT_UPDATED=0
  fi
  need+=(wine32:i386)
  command -v wine >/dev/null 2>&1 || need+=(wine wine64)
fi
[ ${#need[@]} -eq 0 ] || apt_install "${need[@]}"
QEMU=/usr/bin/qemu-i386-static
[ -x "$QEMU" ] || die "$QEMU missing after installing qemu-user-static"

# --- 3. The shim (built for i386 without libc headers: plain gcc -m32 is enough) ---------------
$SUDO mkdir -p "$DIR"
cat > "$WORK/wineqemu32.c" <<'EOF'
/* Preloaded into every 32-bit process that runs under qemu-i386 (see enable-wine32.sh):
   works around qemu-user 7.2 bugs that break 32-bit Wine.
   1. MAP_FIXED_NOREPLACE is ignored by qemu (treated as a hint).
   2. sigcontext.trapno is always -1.
   3. The GDT is shared by all threads: %fs (Wine's TEB) and %gs (glibc TLS) are moved to
      per-thread LDT selectors.
   Freestanding: gcc -m32 -shared -nostdlib, no i386 libc headers needed. */
typedef unsigned int size_t;
#define NULL ((void *)0)
#define MAP_FIXED           0x10
#define MAP_FIXED_NOREPLACE 0x100000
#define MAP_FAILED ((void *)-1)
#define RTLD_NEXT ((void *)-1)
#define EEXIST 17
#define ENOSYS 38
#define SA_SIGINFO 4
#define SIG_SETMASK 2
#define SYS_modify_ldt 123
#define SYS_set_thread_area 243
#ifndef SHIM_PATH
#define SHIM_PATH "/usr/local/lib/wine-qemu32/libwineqemu32.so"
#endif
extern void *dlsym(void *, const char *);
extern int *__errno_location(void);
extern int munmap(void *, size_t);
extern void *malloc(size_t);
extern void free(void *);
extern char *getenv(const char *);
extern int setenv(const char *, const char *, int);
extern int unsetenv(const char *);
extern int sched_yield(void);
extern int pthread_sigmask(int, const void *, void *);
typedef unsigned int pthread_key_t;
extern int pthread_key_create(pthread_key_t *, void (*)(void *));
extern int pthread_setspecific(pthread_key_t, const void *);

/* ---- 1. MAP_FIXED_NOREPLACE: fail with EEXIST instead of mapping elsewhere ---- */
typedef void *(*mmap64_fn)(void *, size_t, int, int, int, long long);
typedef void *(*mmap_fn)(void *, size_t, int, int, int, long);
static mmap64_fn real_mmap64;
static mmap_fn real_mmap;

static void *noreplace_result(void *want, void *got, size_t len)
{
    if (got == MAP_FAILED || got == want) return got;
    munmap(got, len);
    *__errno_location() = EEXIST;
    return MAP_FAILED;
}
void *mmap64(void *addr, size_t len, int prot, int flags, int fd, long long off)
{
    if (!real_mmap64) real_mmap64 = (mmap64_fn)dlsym(RTLD_NEXT, "mmap64");
    if ((flags & MAP_FIXED_NOREPLACE) && !(flags & MAP_FIXED))
        return noreplace_result(addr, real_mmap64(addr, len, prot, flags & ~MAP_FIXED_NOREPLACE, fd, off), len);
    return real_mmap64(addr, len, prot, flags, fd, off);
}
void *mmap(void *addr, size_t len, int prot, int flags, int fd, long off)
{
    if (!real_mmap) real_mmap = (mmap_fn)dlsym(RTLD_NEXT, "mmap");
    if ((flags & MAP_FIXED_NOREPLACE) && !(flags & MAP_FIXED))
        return noreplace_result(addr, real_mmap(addr, len, prot, flags & ~MAP_FIXED_NOREPLACE, fd, off), len);
    return real_mmap(addr, len, prot, flags, fd, off);
}

/* ---- 2. sigcontext.trapno: derive it from the signal and si_code ---- */
struct k_sigaction { void *handler; unsigned int mask[32]; int flags; void *restorer; };
typedef int (*sigaction_fn)(int, const struct k_sigaction *, struct k_sigaction *);
typedef void (*siginfo_handler)(int, void *, void *);
static sigaction_fn real_sigaction;
static siginfo_handler user_handler[65];

static void trap_fix_handler(int sig, void *info, void *uc)
{
    /* no libc and no TLS here: this may run with Windows %fs/%gs */
    unsigned int *gregs = (unsigned int *)((char *)uc + 20);   /* uc_mcontext.gregs */
    int code = ((int *)info)[2];                               /* si_code */
    if (gregs[12] == 0xffffffffu)                              /* REG_TRAPNO */
    {
        switch (sig)
        {
        case 11: gregs[12] = code == 0x80 ? 13 : 14; break;   /* SI_KERNEL: #GP, else #PF */
        case 4:  gregs[12] = 6; break;                        /* SIGILL: #UD */
        case 7:  gregs[12] = 11; break;                       /* SIGBUS: #NP */
        case 8:  gregs[12] = code == 1 ? 0 : code == 2 ? 4 : 16; break; /* #DE, #OF, #MF */
        case 5:  gregs[12] = code == 2 ? 1 : 3; break;        /* TRAP_TRACE: #DB, else #BP */
        }
    }
    user_handler[sig](sig, info, uc);
}

int sigaction(int sig, const struct k_sigaction *act, struct k_sigaction *old)
{
    struct k_sigaction mine;
    siginfo_handler prev;
    int ret;
    if (!real_sigaction) real_sigaction = (sigaction_fn)dlsym(RTLD_NEXT, "sigaction");
    if (sig != 4 && sig != 5 && sig != 7 && sig != 8 && sig != 11) return real_sigaction(sig, act, old);
    prev = user_handler[sig];
    if (act && (act->flags & SA_SIGINFO) && (unsigned long)act->handler > 1)
    {
        mine = *act;
        mine.handler = (void *)trap_fix_handler;
        ret = real_sigaction(sig, &mine, old);
        if (!ret) user_handler[sig] = (siginfo_handler)act->handler;
    }
    else ret = real_sigaction(sig, act, old);
    if (!ret && old && old->handler == (void *)trap_fix_handler) old->handler = (void *)prev;
    return ret;
}

/* ---- 3. per-thread segment selectors ---- */
typedef long (*syscall_fn)(long, long, long, long, long, long, long);
static syscall_fn real_syscall;
struct user_desc { unsigned int entry_number, base_addr, limit, flags; };
#define DESC_FLAGS (1 /* seg_32bit */ | 1 << 4 /* limit_in_pages */ | 1 << 6 /* useable */)

long syscall(long nr, long a1, long a2, long a3, long a4, long a5, long a6)
{
    if (!real_syscall) real_syscall = (syscall_fn)dlsym(RTLD_NEXT, "syscall");
    /* Wine asks for a free GDT TLS slot for %fs: refuse, so that it gives each thread its own
       LDT selector instead (the LDT is per process, as it should be) */
    if (nr == SYS_set_thread_area && a1 && ((struct user_desc *)a1)->entry_number == 0xffffffffu)
    {
        *__errno_location() = ENOSYS;
        return -1;
    }
    return real_syscall(nr, a1, a2, a3, a4, a5, a6);
}

#define GS_FIRST 1
#define GS_LAST  511     /* Wine takes LDT entries from 512 up when %gs is an LDT selector */
static volatile unsigned char gs_used[GS_LAST + 1];
static unsigned int gs_next;
static pthread_key_t gs_key;
static volatile int create_lock;

static void gs_release(void *p)
{
    unsigned int idx = (unsigned int)p;
    if (idx >= GS_FIRST && idx <= GS_LAST) __sync_lock_release(&gs_used[idx]);
}

/* give the calling thread its own LDT selector for its current %gs base */
static void gs_setup(void)
{
    unsigned int base, idx = 0, i;
    struct user_desc d;
    if (!real_syscall) real_syscall = (syscall_fn)dlsym(RTLD_NEXT, "syscall");
    __asm__ volatile("movl %%gs:0, %0" : "=r"(base));   /* glibc's TCB points to itself */
    for (i = 0; i < GS_LAST; i++)
    {
        idx = __sync_fetch_and_add(&gs_next, 1) % GS_LAST + GS_FIRST;
        if (!__sync_lock_test_and_set(&gs_used[idx], 1)) break;
    }
    if (i == GS_LAST) return;   /* all taken: keep the GDT selector */
    d.entry_number = idx;
    d.base_addr = base;
    d.limit = 0xfffff;
    d.flags = DESC_FLAGS;
    if (real_syscall(SYS_modify_ldt, 0x11, (long)&d, sizeof(d), 0, 0, 0) != 0)
    {
        __sync_lock_release(&gs_used[idx]);
        return;
    }
    __asm__ volatile("movw %w0, %%gs" :: "q"((unsigned short)(idx << 3 | 7)));
    pthread_setspecific(gs_key, (void *)idx);
}

struct start_info { void *(*fn)(void *); void *arg; unsigned int mask[32]; };
typedef int (*pthread_create_fn)(void *, const void *, void *(*)(void *), void *);
static pthread_create_fn real_pthread_create;

static void *thread_start(void *p)
{
    struct start_info si = *(struct start_info *)p;
    free(p);
    /* here all signals are blocked and %gs is GDT slot 6, loaded by clone() */
    gs_setup();
    pthread_sigmask(SIG_SETMASK, si.mask, NULL);
    return si.fn(si.arg);
}

int pthread_create(void *thread, const void *attr, void *(*fn)(void *), void *arg)
{
    struct start_info *si;
    unsigned int all[32], saved[32], i, base;
    unsigned short gs;
    struct user_desc d;
    int ret;

    if (!real_pthread_create) real_pthread_create = (pthread_create_fn)dlsym(RTLD_NEXT, "pthread_create");
    __asm__ volatile("movw %%gs, %0" : "=r"(gs));
    if (!(gs & 4)) return real_pthread_create(thread, attr, fn, arg);   /* not an LDT selector */
    if (!(si = malloc(sizeof(*si)))) return real_pthread_create(thread, attr, fn, arg);
    si->fn = fn;
    si->arg = arg;
    for (i = 0; i < 32; i++) all[i] = ~0u;
    /* glibc's clone() takes the TLS slot number from the caller's %gs and qemu accepts only GDT
       TLS slots: while the thread is created, run on GDT slot 6 pointed at our own TLS, with
       signals blocked (the new thread inherits that mask; thread_start restores it) */
    pthread_sigmask(SIG_SETMASK, all, saved);
    for (i = 0; i < 32; i++) si->mask[i] = saved[i];
    while (__sync_lock_test_and_set(&create_lock, 1)) sched_yield();
    __asm__ volatile("movl %%gs:0, %0" : "=r"(base));
    d.entry_number = 6;
    d.base_addr = base;
    d.limit = 0xfffff;
    d.flags = DESC_FLAGS;
    real_syscall(SYS_set_thread_area, (long)&d, 0, 0, 0, 0, 0);
    __asm__ volatile("movw %w0, %%gs" :: "q"((unsigned short)(6 << 3 | 3)));
    ret = real_pthread_create(thread, attr, thread_start, si);
    __asm__ volatile("movw %w0, %%gs" :: "q"(gs));
    __sync_lock_release(&create_lock);
    if (ret) free(si);   /* otherwise the new thread owns it */
    pthread_sigmask(SIG_SETMASK, saved, NULL);
    return ret;
}

/* ---- LD_PRELOAD hygiene: 64-bit children (wineserver) must not see this 32-bit library ---- */
static void drop_self_from_ld_preload(void)
{
    static const char self[] = SHIM_PATH;
    static char buf[4096];
    const char *v = getenv("LD_PRELOAD"), *p, *tok;
    size_t n = 0, len, i;
    if (!v) return;
    for (p = v; *p; )
    {
        while (*p == ':' || *p == ' ') p++;
        if (!*p) break;
        tok = p;
        while (*p && *p != ':' && *p != ' ') p++;
        len = p - tok;
        if (len == sizeof(self) - 1)
        {
            for (i = 0; i < len && tok[i] == self[i]; i++) ;
            if (i == len) continue;
        }
        if (n + len + 2 > sizeof(buf)) return;   /* too long: leave it alone */
        if (n) buf[n++] = ':';
        for (i = 0; i < len; i++) buf[n++] = tok[i];
    }
    buf[n] = 0;
    if (n) setenv("LD_PRELOAD", buf, 1);
    else unsetenv("LD_PRELOAD");
}

__attribute__((constructor)) static void shim_init(void)
{
    drop_self_from_ld_preload();
    pthread_key_create(&gs_key, gs_release);
    gs_setup();   /* main thread; this also makes qemu allocate the LDT before any thread exists */
}
EOF
if ! cmp -s "$WORK/wineqemu32.c" "$DIR/wineqemu32.c" || [ ! -f "$SHIM" ]; then
  gcc -m32 -O2 -fPIC -shared -nostdlib -ffreestanding -fno-builtin -fno-stack-protector -Wall \
      -DSHIM_PATH="\"$SHIM\"" -o "$WORK/libwineqemu32.so" "$WORK/wineqemu32.c"
  $SUDO install -m 644 "$WORK/wineqemu32.c" "$DIR/wineqemu32.c"
  $SUDO install -m 755 "$WORK/libwineqemu32.so" "$SHIM"
  log "built $SHIM"
fi

# --- 4. The binfmt_misc interpreter: qemu with the shim preloaded into the 32-bit program -------
cat > "$WORK/qemu-i386-wine" <<EOF
#!/bin/sh
# binfmt_misc interpreter for i386 ELF (see enable-wine32.sh): \$1 is the program, then its arguments.
exec $QEMU -E "LD_PRELOAD=$SHIM\${LD_PRELOAD:+:\$LD_PRELOAD}" "\$@"
EOF
if ! cmp -s "$WORK/qemu-i386-wine" "$WRAPPER"; then
  $SUDO install -m 755 "$WORK/qemu-i386-wine" "$WRAPPER"
fi

# --- 5. Register it ------------------------------------------------------------------------------
if [ ! -e "$BINFMT/register" ]; then
  $SUDO mount -t binfmt_misc binfmt_misc "$BINFMT" 2>/dev/null || true
  [ -e "$BINFMT/register" ] || die "cannot mount binfmt_misc on $BINFMT"
fi
[ "$(cat "$BINFMT/status")" = enabled ] || echo 1 | $SUDO tee "$BINFMT/status" >/dev/null
want_line="interpreter $WRAPPER"
if [ -e "$BINFMT/$ENTRY" ] && ! grep -qx "$want_line" "$BINFMT/$ENTRY"; then
  echo -1 | $SUDO tee "$BINFMT/$ENTRY" >/dev/null   # stale: remove and register again
fi
if [ ! -e "$BINFMT/$ENTRY" ]; then
  printf ':%s:M::%s:%s:%s:' "$ENTRY" "$MAGIC" "$MASK" "$WRAPPER" | $SUDO tee "$BINFMT/register" >/dev/null
  log "registered binfmt_misc entry $ENTRY"
fi
grep -qx enabled "$BINFMT/$ENTRY" || echo 1 | $SUDO tee "$BINFMT/$ENTRY" >/dev/null
for other in $(i386_binfmt_entries); do
  echo 0 | $SUDO tee "$BINFMT/$other" >/dev/null
  log "disabled binfmt_misc entry $other (it also takes i386 ELF programs)"
done

# --- 6. Check --------------------------------------------------------------------------------
if ! out=$(timeout 120 /usr/lib/wine/wine --version 2>&1); then
  die "32-bit Wine loader does not start: $out"
fi
log "ready: $out runs 32-bit programs under $QEMU"
