#pragma once

// A real card file system for a test: a FAT32 image mounted through fusefat,
// or an exFAT one on a loop device through exfat-fuse, made and mounted in
// the test run and gone afterwards. Linux, as root, with /dev/fuse; elsewhere
// skipReason() says why not.

#ifndef _WIN32

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <sys/wait.h>
#include <unistd.h>

namespace rosmossel::testing {

class CardImage {
  public:
    enum class Kind { Fat32, ExFat };
    enum class Lock { Off, On }; // On: the card's lock switch (a read-only device)

    CardImage(Kind kind, const std::string& label, Lock lock = Lock::Off, int megabytes = 34)
        : kind_(kind) {
        const char* tool = kind == Kind::Fat32 ? "fusefat" : "mount.exfat-fuse";
        if (::geteuid() != 0) {
            skip_ = "mounting a card image needs root";
        } else if (!std::filesystem::exists("/dev/fuse")) {
            skip_ = "no /dev/fuse here";
        } else if (!run(std::string("command -v ") + tool + " mkfs.fat mkfs.exfat fsck.exfat")) {
            skip_ = std::string(tool) + " or the file system tools are not installed";
        }
        if (!skip_.empty()) {
            return;
        }
        dir_ = std::filesystem::temp_directory_path() /
               ("rosmossel-card-" + std::to_string(::getpid()) + "-" + std::to_string(counter()++));
        std::filesystem::remove_all(dir_);
        std::filesystem::create_directories(dir_ / label);
        root_ = dir_ / label; // desktops name the mount point after the label
        image_ = dir_ / "card.img";
        const std::string size = std::to_string(megabytes) + "M";
        bool made = run("truncate -s " + size + " " + image_.string());
        if (kind == Kind::Fat32) {
            // A small FAT32 has fewer clusters than the usual minimum, which
            // fsck.fat notes but which cards and fusefat take.
            made = made && run("mkfs.fat -F 32 -S 512 -s 1 -n " + label + " " + image_.string());
            mounted_ = made && startFusefat(lock == Lock::On);
        } else {
            made = made && run("mkfs.exfat -L " + label + " " + image_.string());
            device_ = made ? output("losetup -f --show " +
                                    std::string(lock == Lock::On ? "-r " : "") + image_.string())
                           : "";
            const std::string mode = lock == Lock::On ? "-o ro " : "";
            mounted_ = !device_.empty() &&
                       run("mount.exfat-fuse " + mode + device_ + " " + root_.string());
        }
        if (!mounted_) {
            skip_ = "the card image could not be made or mounted";
        }
    }
    ~CardImage() {
        unmount();
        if (!dir_.empty()) {
            std::filesystem::remove_all(dir_);
        }
    }
    CardImage(const CardImage&) = delete;
    CardImage& operator=(const CardImage&) = delete;

    const std::string& skipReason() const { return skip_; }
    const std::filesystem::path& root() const { return root_; }
    const std::string& device() const { return device_; }

    // Unmounted and checked read-only: empty when the file system is clean,
    // else what the check said.
    std::string checkAfterUnmount() {
        unmount();
        const std::string check = kind_ == Kind::Fat32 ? "fsck.fat -n " : "fsck.exfat -n ";
        return run(check + image_.string() + " > " + (dir_ / "fsck.txt").string() + " 2>&1")
                   ? std::string()
                   : output("cat " + (dir_ / "fsck.txt").string());
    }

    static bool run(const std::string& command) {
        return std::system((command + " > /dev/null 2>&1").c_str()) == 0;
    }

  private:
    static int& counter() {
        static int n = 0;
        return n;
    }
    static std::string output(const std::string& command) {
        std::string text;
        if (FILE* pipe = ::popen((command + " 2>/dev/null").c_str(), "r")) {
            char buffer[256];
            while (std::fgets(buffer, sizeof buffer, pipe) != nullptr) {
                text += buffer;
            }
            ::pclose(pipe);
        }
        while (!text.empty() && text.back() == '\n') {
            text.pop_back();
        }
        return text;
    }
    // fusefat in the foreground, so that unmounting can wait for it to have
    // written everything; the mount is there once the table shows it.
    bool startFusefat(bool readOnly) {
        const std::string image = image_.string();
        const std::string fsname = "fsname=" + image; // the table names the image
        const std::string root = root_.string();
        fuse_ = ::fork();
        if (fuse_ == 0) {
            ::execlp("fusefat", "fusefat", "-f", "-o", fsname.c_str(), "-o",
                     readOnly ? "ro" : "rw+", image.c_str(), root.c_str(), nullptr);
            ::_exit(127);
        }
        for (int i = 0; i < 200 && fuse_ > 0; ++i) {
            if (output("grep -c ' " + root + " ' /proc/self/mounts") == "1") {
                return true;
            }
            ::usleep(10000);
        }
        return false;
    }
    void unmount() {
        if (mounted_) {
            run("fusermount -u " + root_.string());
            mounted_ = false;
        }
        if (fuse_ > 0) {
            int status = 0;
            ::waitpid(fuse_, &status, 0);
            fuse_ = 0;
        }
        if (!device_.empty() && !detached_) {
            run("losetup -d " + device_);
            detached_ = true;
        }
    }

    Kind kind_;
    std::string skip_;
    std::filesystem::path dir_, root_, image_;
    std::string device_;
    pid_t fuse_ = 0;
    bool mounted_ = false;
    bool detached_ = false;
};

} // namespace rosmossel::testing

#endif
