// velmora-persona-video: makes the default persona's webcam video and data file.
//   velmora-persona-video video FILE            render the clips into FILE (H.264 in AVI)
//   velmora-persona-video persona SOURCE FILE   assemble the data file: clip names become ranges
//   velmora-persona-video clips                 print every clip: name, first frame, last frame
//   velmora-persona-video stills DIR [CLIP[:TICK]...]  frames as PNG (a clip's middle frame, or
//                                               frame TICK of it), at the video's size, and a
//                                               contact sheet of them
// Errors go to standard error; the exit code is 1 then, 2 for a wrong command line.
#include "velmora_persona_assembler.h"
#include "velmora_video_artist.h"
#include "velmora_video_clips.h"
#include "velmora_video_encoder.h"

#include <QPainter>
#include <algorithm>
#include <cstdlib>
#include <iostream>
#include <string>
#include <vector>

namespace {

int render_video(const std::string& path) {
    VELMORA_VIDEO_ENCODER encoder;
    bool ok = encoder.open(path, VELMORA_VIDEO_ARTIST::width, VELMORA_VIDEO_ARTIST::height,
                           VELMORA_VIDEO_CLIPS::frames_per_second);
    for (const VELMORA_VIDEO_CLIP& clip : VELMORA_VIDEO_CLIPS::all()) {
        for (int32_t tick = 0; ok && tick < clip.frame_count(); ++tick) {
            ok = encoder.write(
                VELMORA_VIDEO_ARTIST::draw(VELMORA_VIDEO_CLIPS::pose_at(clip, tick), tick),
                tick == 0);
        }
    }
    if (!ok || !encoder.finish()) {
        std::cerr << encoder.error_message() << '\n';
        return 1;
    }
    return 0;
}

int assemble_persona(const std::string& source, const std::string& output) {
    const VELMORA_PERSONA_ASSEMBLER assembler(source, output, VELMORA_VIDEO_CLIPS::all());
    if (assembler.failed()) {
        std::cerr << assembler.error_message() << '\n';
        return 1;
    }
    return 0;
}

int print_clips() {
    for (const VELMORA_VIDEO_CLIP& clip : VELMORA_VIDEO_CLIPS::all()) {
        std::cout << clip.name << ' ' << clip.first_frame << ' ' << clip.last_frame << '\n';
    }
    return 0;
}

// The chosen frames (a clip's middle frame, or "clip:tick" for another) at the video's size, and
// all of them on one contact sheet at two thirds of it, three to a row. No names: every
// clip's middle frame.
int write_stills(const std::string& directory, std::vector<std::string> names) {
    if (names.empty()) {
        for (const VELMORA_VIDEO_CLIP& clip : VELMORA_VIDEO_CLIPS::all()) {
            names.push_back(clip.name);
        }
    }
    std::vector<QImage> frames;
    for (const std::string& name : names) {
        const size_t colon = name.find(':');
        const VELMORA_VIDEO_CLIP* clip = VELMORA_VIDEO_CLIPS::find(name.substr(0, colon));
        const int32_t tick = clip == nullptr              ? 0
                             : colon == std::string::npos ? clip->frame_count() / 2
                                                          : std::atoi(name.c_str() + colon + 1);
        if (clip == nullptr || tick < 0 || tick >= clip->frame_count()) {
            std::cerr << name << ": no such clip or frame\n";
            return 1;
        }
        frames.push_back(
            VELMORA_VIDEO_ARTIST::draw(VELMORA_VIDEO_CLIPS::pose_at(*clip, tick), tick));
        std::string file = name;
        std::replace(file.begin(), file.end(), ':', '_');
        const std::string path = directory + "/" + file + ".png";
        if (!frames.back().save(QString::fromStdString(path))) {
            std::cerr << path << ": cannot write the picture\n";
            return 1;
        }
    }
    const int columns = 3;
    const int rows = (static_cast<int>(frames.size()) + columns - 1) / columns;
    const QSize shown(VELMORA_VIDEO_ARTIST::width * 2 / 3, VELMORA_VIDEO_ARTIST::height * 2 / 3);
    const QSize cell = shown + QSize(4, 4);
    QImage sheet(cell.width() * columns, cell.height() * std::max(rows, 1), QImage::Format_RGB32);
    sheet.fill(Qt::white);
    QPainter p(&sheet);
    for (size_t i = 0; i < frames.size(); ++i) {
        const int column = static_cast<int>(i) % columns, row = static_cast<int>(i) / columns;
        p.drawImage(QPoint(column * cell.width(), row * cell.height()),
                    frames[i].scaled(shown, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    p.end();
    const std::string path = directory + "/sheet.png";
    if (!sheet.save(QString::fromStdString(path))) {
        std::cerr << path << ": cannot write the picture\n";
        return 1;
    }
    return 0;
}

} // namespace

int main(int argc, char** argv) {
    const std::vector<std::string> args(argv + 1, argv + argc);
    const std::string command = args.empty() ? "" : args[0];
    if (command == "video" && args.size() == 2) {
        return render_video(args[1]);
    }
    if (command == "persona" && args.size() == 3) {
        return assemble_persona(args[1], args[2]);
    }
    if (command == "clips" && args.size() == 1) {
        return print_clips();
    }
    if (command == "stills" && args.size() >= 2) {
        return write_stills(args[1], {args.begin() + 2, args.end()});
    }
    std::cerr << "usage: velmora-persona-video video FILE\n"
                 "       velmora-persona-video persona SOURCE FILE\n"
                 "       velmora-persona-video clips\n"
                 "       velmora-persona-video stills DIR [CLIP[:TICK]...]\n";
    return 2;
}
