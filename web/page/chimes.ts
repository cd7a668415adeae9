// The chime player on Web Audio. A chime starts without being waited for and
// cuts off the one still sounding; a chime that cannot be decoded or played
// leaves the command silent.

type WavesByName = Record<string, string>; // file name -> base64 wave file

class ChimePlayer {
    private context: AudioContext | null = null;
    private readonly buffers = new Map<string, AudioBuffer>();
    private sounding: AudioBufferSourceNode | null = null;
    private waiting = ""; // a chime asked for before it was decoded

    // Decoded at once, so that a click starts its chime in the same moment.
    // A context made before any click starts suspended; a click lets it run.
    constructor(waves: WavesByName) {
        try {
            this.context = new AudioContext();
        } catch {
            return; // no sound output on this machine
        }
        const context = this.context;
        for (const [name, wave] of Object.entries(waves)) {
            context.decodeAudioData(decodeBase64(wave).buffer).then(
                (buffer) => {
                    this.buffers.set(name, buffer);
                    if (this.waiting === name) {
                        this.play(name);
                    }
                },
                () => undefined,
            );
        }
    }

    play(fileName: string): void {
        this.stop();
        const context = this.context;
        if (!context) {
            return;
        }
        if (context.state === "suspended") {
            context.resume().catch(() => undefined);
        }
        const buffer = this.buffers.get(fileName);
        if (!buffer) {
            this.waiting = fileName;
            return;
        }
        const source = context.createBufferSource();
        source.buffer = buffer;
        source.connect(context.destination);
        source.start();
        this.sounding = source;
    }

    // Silences everything for good, as the end of the program does.
    close(): void {
        this.stop();
        this.context?.close().catch(() => undefined);
        this.context = null;
    }

    private stop(): void {
        this.waiting = "";
        try {
            this.sounding?.stop();
        } catch {
            // already ended
        }
        this.sounding = null;
    }
}
