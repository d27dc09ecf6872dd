#pragma once

#include "TestImages.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

// A FUSE file system mounted for one test: a FAT image through fusefat, or a passthrough of a
// folder through bindfs. Not mounted (a reason in `why`) where FUSE or the program is missing.
struct FuseMount {
    QTemporaryDir base;
    QString point;
    QString why;

    explicit FuseMount(const QString &kind)
    {
        point = base.filePath("mnt");
        QDir().mkpath(point);
        const QString program = kind == "fat" ? "fusefat" : "bindfs";
        if (QStandardPaths::findExecutable(program).isEmpty() || !QFileInfo("/dev/fuse").isWritable()) {
            why = program + " or /dev/fuse is missing";
            return;
        }
        int rc = 0;
        if (kind == "fat") {
            const QString image = base.filePath("fat.img");
            TestImages::run("mkfs.fat", {"-C", image, "16384"}, &rc);
            if (rc == 0)
                TestImages::run(program, {"-o", "rw+", image, point}, &rc);
        } else {
            QDir().mkpath(base.filePath("backing"));
            TestImages::run(program, {base.filePath("backing"), point}, &rc);
        }
        if (rc != 0 || !TestImages::run("findmnt", {"-n", point}).contains("fuse"))
            why = "could not mount " + program;
    }
    ~FuseMount()
    {
        if (why.isEmpty())
            TestImages::run("fusermount", {"-u", point});
    }
};
