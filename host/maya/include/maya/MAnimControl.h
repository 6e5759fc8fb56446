#pragma once
// Scene time and playback range.
#include <maya/MStatus.h>
#include <maya/MTime.h>

class MAnimControl {
public:
    enum PlaybackMode { kPlaybackOnce, kPlaybackLoop, kPlaybackOscillate };
    enum PlaybackViewMode { kPlaybackViewAll, kPlaybackViewActive };

    static MTime currentTime();
    static MStatus setCurrentTime(const MTime& newTime);
    static MTime minTime();
    static MTime maxTime();
    static MStatus setMinTime(MTime newTime);
    static MStatus setMaxTime(MTime newTime);
    static MStatus setMinMaxTime(const MTime& min, const MTime& max);
    static MTime animationStartTime();
    static MTime animationEndTime();
    static MStatus setAnimationStartTime(MTime newTime);
    static MStatus setAnimationEndTime(MTime newTime);
    static MStatus setAnimationStartEndTime(const MTime& start, const MTime& end);
    static bool isPlaying();
};
