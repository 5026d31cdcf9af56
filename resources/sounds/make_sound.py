#!/usr/bin/env python3
"""Writes fin.wav, the short chime that Ordalis... plays when a command ends.

Two soft bell-like notes (C6 then G6), each with a 4 ms attack and an
exponential decay, mixed and scaled to a peak of -6 dBFS, then faded to
silence over the last 30 ms so that the sound ends without a click.
Output: 44100 Hz, 16-bit PCM, mono, 0.25 s. Only the standard library is used;
the output is the same byte for byte on every run.

Usage: python3 make_sound.py [output.wav]   (default: fin.wav beside this script)
"""
import math
import os
import struct
import sys
import wave

RATE = 44100
DURATION = 0.25          # seconds
PEAK = 10 ** (-6 / 20)   # -6 dBFS
ATTACK = 0.004           # seconds
FADE_OUT = 0.030         # seconds

# (frequency in Hz, start in seconds, amplitude, decay time constant in seconds)
NOTES = [
    (1046.50, 0.000, 1.00, 0.070),
    (1567.98, 0.075, 0.85, 0.060),
]


def note_sample(t, freq, start, amp, tau):
    """One note at time t: a sine with a soft second and third harmonic."""
    u = t - start
    if u < 0:
        return 0.0
    envelope = amp * math.exp(-u / tau) * min(1.0, u / ATTACK)
    phase = 2 * math.pi * freq * u
    tone = math.sin(phase) + 0.20 * math.sin(2 * phase) + 0.05 * math.sin(3 * phase)
    return envelope * tone


def render():
    count = int(RATE * DURATION)
    fade_len = int(RATE * FADE_OUT)
    raw = []
    for n in range(count):
        t = n / RATE
        raw.append(sum(note_sample(t, *note) for note in NOTES))
    for k in range(fade_len):
        # raised-cosine fade reaching exactly zero at the last sample
        x = k / (fade_len - 1)
        raw[count - fade_len + k] *= 0.5 * (1 + math.cos(math.pi * x))
    scale = PEAK * 32767 / max(abs(v) for v in raw)
    return [int(round(v * scale)) for v in raw]


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "fin.wav")
    samples = render()
    with wave.open(out, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(struct.pack("<%dh" % len(samples), *samples))


if __name__ == "__main__":
    main()
