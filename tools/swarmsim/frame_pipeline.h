// Recorded frames on their way out: the main thread hands each picture over
// and goes on with the model, worker threads prepare pictures side by side
// (PNG encoding), and the prepared frames reach the sink one at a time in
// the order they were handed over, so the output does not depend on the
// number of workers. At most `capacity` frames are under way at once, which
// bounds the memory: Submit waits while that many are. Delivered frames
// come back through TakeSpare, so a long recording keeps reusing the same
// few screenfuls of memory.
#pragma once
#include "tools/capture/picture.h"
#include "tools/capture/png_image.h"

#include <condition_variable>
#include <cstdint>
#include <deque>
#include <functional>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

// One frame on its way: the main thread fills the picture (for a video) or
// the PNG image, Prepare may turn either into bytes.
struct PreparedFrame {
    uint64_t number = 0;  // 1 for the first frame handed over
    Picture picture;
    PngImage image;
    std::vector<unsigned char> bytes;
};

// Each returns false with error set to stop the recording. Prepare runs on
// any worker, Deliver on one at a time, in order of the frame numbers.
using PrepareFrame = std::function<bool(PreparedFrame& frame, std::string& error)>;
using DeliverFrame = std::function<bool(PreparedFrame& frame, std::string& error)>;

class FramePipeline {
public:
    FramePipeline(int workers, std::size_t capacity, PrepareFrame prepare, DeliverFrame deliver);
    ~FramePipeline();  // as Finish, ignoring its result
    FramePipeline(const FramePipeline&) = delete;
    FramePipeline& operator=(const FramePipeline&) = delete;

    // Hands a frame over (its number is set here); false once a frame has
    // failed (see Finish).
    bool Submit(PreparedFrame frame);
    // A frame that has been delivered, to be filled again (its memory is
    // already mapped), or an empty one.
    PreparedFrame TakeSpare();
    // Waits until every frame handed over is delivered or the first failure,
    // and stops the workers. False with the first failure's error.
    bool Finish(std::string& error);

private:
    void Work();
    bool TakeNext(PreparedFrame& frame);
    void DeliverInTurn(PreparedFrame& frame, bool prepared, std::string& error);

    PrepareFrame prepare_;
    DeliverFrame deliver_;
    std::size_t capacity_;
    std::mutex mutex_;
    std::condition_variable changed_;
    std::deque<PreparedFrame> waiting_;  // handed over, not yet taken by a worker
    std::vector<PreparedFrame> spares_;  // delivered, for TakeSpare
    uint64_t submitted_ = 0;
    uint64_t delivered_ = 0;  // frames 1..delivered_ have reached the sink
    bool closing_ = false;
    bool failed_ = false;
    std::string error_;
    std::vector<std::thread> workers_;
};
