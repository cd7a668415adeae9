// The chime player on Web Audio. A chime starts without being waited for and
// cuts off the one still sounding; a chime that cannot be decoded or played
// leaves the command silent.

type WavesByName = Record<string, string>; // file name -> base64 wave file

class ChimePlayer {
    private context: AudioContext | null = null;
    private readonly buffers = new Map<string, Promise<AudioBuffer | null>>();
    private sounding: AudioBufferSourceNode | null = null;
    private asked = 0; // counts the chimes asked for, so that a late decode of an old one stays silent

    constructor(private readonly waves: WavesByName) {}

    play(fileName: string): void {
        this.stop();
        const asked = ++this.asked;
        const context = this.audio();
        if (!context) {
            return;
        }
        // A context made before any click starts suspended; a click lets it run.
        if (context.state === "suspended") {
            context.resume().catch(() => undefined);
        }
        this.decoded(context, fileName).then((buffer) => {
            if (!buffer || asked !== this.asked || this.context !== context) {
                return;
            }
            const source = context.createBufferSource();
            source.buffer = buffer;
            source.connect(context.destination);
            source.start();
            this.sounding = source;
        });
    }

    // Silences everything for good, as the end of the program does.
    close(): void {
        this.stop();
        this.asked++;
        this.context?.close().catch(() => undefined);
        this.context = null;
    }

    private stop(): void {
        try {
            this.sounding?.stop();
        } catch {
            // already ended
        }
        this.sounding = null;
    }

    private audio(): AudioContext | null {
        if (!this.context) {
            try {
                this.context = new AudioContext();
            } catch {
                return null; // no sound output on this machine
            }
        }
        return this.context;
    }

    private decoded(context: AudioContext, fileName: string): Promise<AudioBuffer | null> {
        let buffer = this.buffers.get(fileName);
        if (!buffer) {
            const wave = this.waves[fileName];
            buffer = wave
                ? context.decodeAudioData(decodeBase64(wave).buffer).catch(() => null)
                : Promise.resolve(null);
            this.buffers.set(fileName, buffer);
        }
        return buffer;
    }
}
